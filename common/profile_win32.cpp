// The profile writer's file steps on Windows.
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>

#include "common/profile_platform.h"

namespace corvane::profile_platform {

namespace {

// Paths are UTF-8 inside the program; Windows takes them as UTF-16, so a
// folder name the ANSI code page lacks is still found.
std::wstring wide_path(const std::string& utf8) {
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), w.data(), n);
    return w;
}

}  // namespace

std::FILE* open_for_reading(const std::string& path) { return ::_wfopen(wide_path(path).c_str(), L"rb"); }

std::string resolve_link(const std::string& path) { return path; }

// A file with the read-only attribute is refused here.
bool may_write(const std::string& path) { return ::_waccess(wide_path(path).c_str(), 2) == 0; }

int create_new(const std::string& path) {
    return ::_wopen(wide_path(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY | _O_NOINHERIT,
                    _S_IREAD | _S_IWRITE);
}

long long write_some(int fd, std::string_view bytes) {
    unsigned chunk = bytes.size() > (1u << 30) ? (1u << 30) : static_cast<unsigned>(bytes.size());
    return ::_write(fd, bytes.data(), chunk);
}

// A read-only file has been refused by may_write(); a new file gets
// ordinary attributes.
bool copy_mode(const std::string&, int) { return true; }

bool sync(int fd) { return ::_commit(fd) == 0; }

bool close(int fd) { return ::_close(fd) == 0; }

// One step: the old file is replaced by the new one, or stays.
bool replace(const std::string& from, const std::string& to) {
    return ::MoveFileExW(wide_path(from).c_str(), wide_path(to).c_str(),
                         MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

void remove(const std::string& path) { ::_wremove(wide_path(path).c_str()); }

}  // namespace corvane::profile_platform
