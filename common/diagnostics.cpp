#include "common/diagnostics.h"

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace corvane {

#ifdef _WIN32

void separate_diagnostics() {}

#else

namespace {

// Puts `path` on descriptor `fd`; false when it cannot be opened.
bool reopen(int fd, const char* path) {
    int opened = open(path, (fd == 0 ? O_RDONLY : O_WRONLY) | O_NOCTTY);
    if (opened < 0) return false;
    if (opened != fd) {
        dup2(opened, fd);
        close(opened);
    }
    return true;
}

}  // namespace

void separate_diagnostics() {
    struct stat st[3];
    for (int fd = 0; fd < 3; ++fd) {
        if (fstat(fd, &st[fd]) == 0) continue;
        if (errno == EBADF) reopen(fd, "/dev/null");
        if (fstat(fd, &st[fd]) != 0) return;
    }
    const bool shared = st[1].st_dev == st[2].st_dev && st[1].st_ino == st[2].st_ino;
    // A terminal shows the message and takes nothing into a text; the null
    // device was chosen by the caller to hear nothing.
    if (!shared || S_ISCHR(st[2].st_mode)) return;
    if (!reopen(2, "/dev/tty")) reopen(2, "/dev/null");
}

#endif

}  // namespace corvane
