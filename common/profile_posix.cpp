// The profile writer's file steps on POSIX systems.
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "common/profile_platform.h"

namespace corvane::profile_platform {

std::FILE* open_for_reading(const std::string& path) { return std::fopen(path.c_str(), "rb"); }

std::string resolve_link(const std::string& path) {
    struct stat st;
    if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* real = ::realpath(path.c_str(), nullptr)) {
            std::string out(real);
            std::free(real);
            return out;
        }
    }
    return path;
}

bool may_write(const std::string& path) { return ::access(path.c_str(), W_OK) == 0; }

int create_new(const std::string& path) { return ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666); }

long long write_some(int fd, std::string_view bytes) {
    // A file-size limit (a stand-in for a full disk) would end the run with
    // SIGXFSZ in the middle of the write; ignored while writing, the write
    // fails with EFBIG instead and takes the error path, which removes the
    // temporary file and tells the user.  The signal comes from the write
    // itself, so ignoring it for each call is enough.
    struct sigaction ignore {}, old {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    const bool swapped = ::sigaction(SIGXFSZ, &ignore, &old) == 0;
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (swapped) {
        const int saved = errno;
        ::sigaction(SIGXFSZ, &old, nullptr);
        errno = saved;
    }
    return n;
}

bool copy_mode(const std::string& target, int fd) {
    struct stat st;
    if (::stat(target.c_str(), &st) != 0) return errno == ENOENT;
    return ::fchmod(fd, st.st_mode & 07777) == 0;
}

// EINVAL: a file system without syncing, nothing to wait for.
bool sync(int fd) { return ::fsync(fd) == 0 || errno == EINVAL; }

bool close(int fd) { return ::close(fd) == 0; }

bool replace(const std::string& from, const std::string& to) {
    if (::rename(from.c_str(), to.c_str()) != 0) return false;
    // Make the new directory entry durable too; the rename has happened
    // either way, so a failure here is not a failed write.
    std::string dir = to.substr(0, to.find_last_of('/') + 1);
    int dfd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_CLOEXEC);
    if (dfd >= 0) {
        (void)::fsync(dfd);
        ::close(dfd);
    }
    return true;
}

void remove(const std::string& path) { std::remove(path.c_str()); }

}  // namespace corvane::profile_platform
