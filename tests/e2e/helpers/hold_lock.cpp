// Holds a write lock on a file for some seconds, the way apt and dpkg lock
// their database (fcntl record locks; flock(1) takes a different kind of
// lock, which they do not see).  Prints "locked" once it holds the lock.
//   hold_lock FILE SECONDS
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fputs("usage: hold_lock FILE SECONDS\n", stderr);
        return 2;
    }
    const int fd = open(argv[1], O_RDWR | O_CREAT | O_CLOEXEC, 0640);
    struct flock whole {};
    whole.l_type = F_WRLCK;
    whole.l_whence = SEEK_SET;
    if (fd < 0 || fcntl(fd, F_SETLKW, &whole) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    std::puts("locked");
    std::fflush(stdout);
    sleep(static_cast<unsigned>(std::atoi(argv[2])));
    return 0;
}
