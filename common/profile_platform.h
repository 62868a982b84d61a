// The file-system steps under the profile writer's real storage
// (profile.cpp), one set per platform: profile_posix.cpp and
// profile_win32.cpp, of which the build takes the one for its system.
// Paths are UTF-8.  A step that fails leaves the reason in errno where the
// storage looks at it (open_for_reading, may_write, create_new, write_some).
#pragma once
#include <cstdio>
#include <string>
#include <string_view>

namespace corvane::profile_platform {

// The file opened for reading its bytes as they are, or null.
std::FILE* open_for_reading(const std::string& path);
// The file a write of `path` replaces: the target of a symbolic link,
// else `path` itself.
std::string resolve_link(const std::string& path);
// True when the file may be written; false with errno ENOENT when there is
// none.
bool may_write(const std::string& path);
// A new file, created only if no file of that name exists (EEXIST),
// opened for writing and not inherited by child processes; -1 on failure.
int create_new(const std::string& path);
// Writes a first part of `bytes`: the count written, or -1.  A write
// beyond a file-size limit fails here rather than ending the process.
long long write_some(int fd, std::string_view bytes);
// Gives the open file the permission bits of `target`, when it exists.
bool copy_mode(const std::string& target, int fd);
// Forces the file's bytes to the disk.
bool sync(int fd);
bool close(int fd);
// Puts the closed file `from` in the place of `to` in one step.
bool replace(const std::string& from, const std::string& to);
void remove(const std::string& path);

}  // namespace corvane::profile_platform
