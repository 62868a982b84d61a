#include "common/sysinfo.h"

#include <cstdlib>

#include "common/launcher.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <climits>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

#ifndef CORVANE_PRIVATE_LIBDIR
// The private library folder seen from the program's folder (set by the
// build from the install directories).
#define CORVANE_PRIVATE_LIBDIR "../lib/corvane"
#endif

namespace corvane {

namespace {
std::string g_program_path;
}

void take_program_path(const std::string& path) { g_program_path = path; }

std::string program_dir() {
    std::string path = g_program_path;
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
    ssize_t n = path.empty() ? readlink("/proc/self/exe", buf, sizeof buf) : 0;
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

#ifdef _WIN32

Layout layout_of(const std::string&) { return Layout::Beside; }
std::string user_settings_folder(const std::function<const char*(const char*)>&) { return program_dir(); }
bool make_folders(const std::string&) { return true; }
std::string private_lib_folder(const std::string& program_folder) { return program_folder; }

#else

namespace {

bool is_file(const std::string& path) {
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

}  // namespace

std::string private_lib_folder(const std::string& program_folder) {
    return join_path(program_folder, CORVANE_PRIVATE_LIBDIR);
}

Layout layout_of(const std::string& program_folder) {
    if (is_file(join_path(program_folder, "Corvane.ini"))) return Layout::Beside;
    if (is_file(join_path(program_folder, CORVANE_WINDOW_PROGRAM))) return Layout::Beside;
    if (is_file(join_path(private_lib_folder(program_folder), CORVANE_WINDOW_PROGRAM))) return Layout::Installed;
    return Layout::Beside;
}

std::string user_settings_folder(const std::function<const char*(const char*)>& env) {
    const char* xdg = env("XDG_CONFIG_HOME");
    if (xdg && xdg[0] == '/') return join_path(xdg, "corvane");
    std::string home;
    if (const char* h = env("HOME"); h && h[0] == '/') {
        home = h;
    } else if (const passwd* pw = getpwuid(getuid()); pw && pw->pw_dir) {
        home = pw->pw_dir;
    } else {
        home = "/";
    }
    return join_path(join_path(home, ".config"), "corvane");
}

bool make_folders(const std::string& folder) {
    struct stat st;
    if (stat(folder.c_str(), &st) == 0) return S_ISDIR(st.st_mode);
    const auto cut = folder.find_last_not_of('/');
    const auto parent_end = cut == std::string::npos ? std::string::npos : folder.rfind('/', cut);
    if (parent_end != std::string::npos && parent_end > 0 && !make_folders(folder.substr(0, parent_end))) return false;
    return mkdir(folder.c_str(), 0700) == 0 || (stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode));
}

#endif

std::string settings_folder() {
    const std::string dir = program_dir();
    if (layout_of(dir) == Layout::Beside) return dir;
    return user_settings_folder([](const char* name) { return std::getenv(name); });
}

std::string settings_file(const std::string& name) { return join_path(settings_folder(), name); }

}  // namespace corvane
