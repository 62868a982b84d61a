#include "common/sysinfo.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <climits>
#include <unistd.h>
#endif

namespace corvane {

std::string program_dir() {
    std::string path;
#ifdef _WIN32
    // UTF-8, as every path inside the program.
    wchar_t buf[32768];
    DWORD n = GetModuleFileNameW(nullptr, buf, 32768);
    int m = WideCharToMultiByte(CP_UTF8, 0, buf, static_cast<int>(n), nullptr, 0, nullptr, nullptr);
    path.assign(static_cast<size_t>(m > 0 ? m : 0), '\0');
    if (m > 0) WideCharToMultiByte(CP_UTF8, 0, buf, static_cast<int>(n), path.data(), m, nullptr, nullptr);
    auto cut = path.find_last_of("\\/:");
#else
    char buf[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", buf, sizeof buf);
    if (n > 0) path.assign(buf, static_cast<size_t>(n));
    auto cut = path.rfind('/');
#endif
    if (cut == std::string::npos) return ".";
    return path.substr(0, cut == 0 ? 1 : cut);
}

std::string join_path(const std::string& folder, const std::string& name) {
#ifdef _WIN32
    return folder + "\\" + name;
#else
    return folder == "/" ? folder + name : folder + "/" + name;
#endif
}

std::string program_file(const std::string& name) { return join_path(program_dir(), name); }

}  // namespace corvane
