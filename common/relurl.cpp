#include "common/relurl.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "common/codepage.h"

namespace corvane {

namespace {

bool is_sep(char c, PathStyle style) {
    return c == '/' || (style == PathStyle::Windows && c == '\\');
}

// Separators and, in Windows style, the colon of a drive: what ends a folder
// part when taking a file's name.
bool ends_folder(char c, PathStyle style) {
    return is_sep(c, style) || (style == PathStyle::Windows && c == ':');
}

// Folds the upper-case letters that Windows file names treat as equal to
// their lower-case forms: ASCII, Latin-1, and the full-width Latin, Greek and
// Cyrillic letters that Japanese file names carry.
char32_t fold_case(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c + 0x20;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 0x20;
    if (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) return c + 0x20;
    if (c >= 0x410 && c <= 0x42F) return c + 0x20;
    if (c >= 0x400 && c <= 0x40F) return c + 0x50;
    if (c >= 0xFF21 && c <= 0xFF3A) return c + 0x20;
    return c;
}

bool same_name(std::string_view a, std::string_view b, PathStyle style) {
    if (style == PathStyle::Posix) return a == b;
    size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        char32_t ca, cb;
        i += utf8_next(a, i, ca);
        j += utf8_next(b, j, cb);
        if (fold_case(ca) != fold_case(cb)) return false;
    }
    return i == a.size() && j == b.size();
}

// Length of the drive part: "C:" or "\\server\share" in Windows style; the
// root "/" in Posix style.  0 when the path has none.
size_t drive_length(std::string_view p, PathStyle style) {
    if (style == PathStyle::Posix) return !p.empty() && p[0] == '/' ? 1 : 0;
    if (p.size() >= 2 && p[1] == ':') return 2;
    if (p.size() >= 2 && is_sep(p[0], style) && is_sep(p[1], style)) {
        size_t i = 2;
        while (i < p.size() && !is_sep(p[i], style)) ++i;  // server
        if (i < p.size()) ++i;
        while (i < p.size() && !is_sep(p[i], style)) ++i;  // share
        return i;
    }
    return 0;
}

bool is_unc(std::string_view p, PathStyle style) {
    return style == PathStyle::Windows && p.size() >= 2 && is_sep(p[0], style) && is_sep(p[1], style);
}

// A path that does not depend on a current folder or current drive.
bool is_full_path(std::string_view p, PathStyle style) {
    if (style == PathStyle::Posix) return !p.empty() && p[0] == '/';
    if (is_unc(p, style)) return p.size() > 2;
    return p.size() >= 3 && p[1] == ':' && is_sep(p[2], style);
}

// The non-empty names between separators.
std::vector<std::string_view> split_names(std::string_view p, PathStyle style) {
    std::vector<std::string_view> names;
    size_t start = 0;
    for (size_t i = 0; i <= p.size(); ++i) {
        if (i == p.size() || is_sep(p[i], style)) {
            if (i > start) names.push_back(p.substr(start, i - start));
            start = i + 1;
        }
    }
    return names;
}

// Folder names after the drive part, "." and ".." resolved as the system
// resolves a full path: "." names the folder itself, ".." takes back the
// name before it and stops at the root.  A URL made of them so never
// climbs above the root of its drive.
std::vector<std::string_view> folder_names(std::string_view p, PathStyle style) {
    std::vector<std::string_view> names;
    for (std::string_view n : split_names(p.substr(drive_length(p, style)), style)) {
        if (n == ".") continue;
        if (n == "..") {
            if (!names.empty()) names.pop_back();
            continue;
        }
        names.push_back(n);
    }
    return names;
}

std::string with_slashes(std::string_view p, PathStyle style) {
    std::string s(p);
    if (style == PathStyle::Windows)
        for (char& c : s)
            if (c == '\\') c = '/';
    return s;
}

size_t last_folder_end(std::string_view p, PathStyle style) {
    for (size_t i = p.size(); i > 0; --i)
        if (ends_folder(p[i - 1], style)) return i;
    return 0;
}

// Number of leading names two folder lists have in common.
size_t common_prefix(const std::vector<std::string_view>& a, const std::vector<std::string_view>& b,
                     PathStyle style) {
    size_t k = 0;
    while (k < a.size() && k < b.size() && same_name(a[k], b[k], style)) ++k;
    return k;
}

// "../" per base folder after k, then each target folder after k with "/".
std::string climb_and_descend(const std::vector<std::string_view>& base,
                              const std::vector<std::string_view>& target, size_t k) {
    std::string out;
    for (size_t i = k; i < base.size(); ++i) out += "../";
    for (size_t i = k; i < target.size(); ++i) {
        out += target[i];
        out += '/';
    }
    return out;
}

// The whole path of a file in folder c, for when no relative form exists.
std::string absolute_url(std::string_view c, std::string_view name, PathStyle style) {
    std::string out;
    if (style == PathStyle::Windows && c.size() >= 2 && c[1] == ':') {
        out = "file:///";
        out += c[0];
        out += '|';
    } else if (is_unc(c, style)) {
        out = "file:";
        out += with_slashes(c.substr(0, drive_length(c, style)), style);
    } else {
        // No drive to name (a folder that is not a full path): keep the path.
        out = with_slashes(c, style);
        if (out.empty()) return std::string(name);
        return out + "/" + std::string(name);
    }
    for (std::string_view f : folder_names(c, style)) {
        out += '/';
        out += f;
    }
    out += '/';
    out += name;
    return out;
}

}  // namespace

PathStyle native_path_style() {
#ifdef _WIN32
    return PathStyle::Windows;
#else
    return PathStyle::Posix;
#endif
}

std::string folder_of(std::string_view path, PathStyle style) {
    size_t end = last_folder_end(path, style);
    if (end == 0) return {};
    // Drop a final separator unless it is a root's: the first character, or
    // one that follows a drive colon or another separator ("C:\", "/").
    const bool after_drive = style == PathStyle::Windows && end >= 2 && path[end - 2] == ':';
    if (end >= 2 && is_sep(path[end - 1], style) && !after_drive && !is_sep(path[end - 2], style)) --end;
    return std::string(path.substr(0, end));
}

std::string file_name_of(std::string_view path, PathStyle style) {
    return std::string(path.substr(last_folder_end(path, style)));
}

bool folder_exists_on_disk(std::string_view path) {
    std::error_code ec;
    std::filesystem::path p(std::u8string(path.begin(), path.end()));
    return std::filesystem::is_directory(p, ec);
}

bool file_exists_on_disk(std::string_view path) {
    if (path.empty()) return false;
    std::error_code ec;
    std::filesystem::path p(std::u8string(path.begin(), path.end()));
    const std::filesystem::file_status st = std::filesystem::status(p, ec);
    return std::filesystem::exists(st) && !std::filesystem::is_directory(st);
}

std::string relative_url(std::string_view chosen_file, std::string_view edited_file, PathStyle style) {
    return relative_url(chosen_file, edited_file, style, folder_exists_on_disk);
}

std::string relative_url(std::string_view chosen_file, std::string_view edited_file, PathStyle style,
                         const FolderExists& exists) {
    const std::string name = file_name_of(chosen_file, style);
    std::string c = folder_of(chosen_file, style);
    std::string b = folder_of(edited_file, style);
    // Without a usable folder for the edited file (no path, a deleted folder,
    // a path that is not a full one) the chosen file's folder is the base.
    if (b.empty() || !is_full_path(b, style) || !exists(b)) b = c;

    const size_t db = drive_length(b, style), dc = drive_length(c, style);
    if (!same_name(std::string_view(b).substr(0, db), std::string_view(c).substr(0, dc), style))
        return absolute_url(c, name, style);

    const auto bf = folder_names(b, style), cf = folder_names(c, style);
    return climb_and_descend(bf, cf, common_prefix(bf, cf, style)) + name;
}

std::string relative_path(std::string_view base_folder, std::string_view chosen_file, PathStyle style) {
    const size_t db = drive_length(base_folder, style), df = drive_length(chosen_file, style);
    if (base_folder.empty() ||
        !same_name(base_folder.substr(0, db), chosen_file.substr(0, df), style))
        return with_slashes(chosen_file, style);

    const auto bf = folder_names(base_folder, style);
    const auto ff = folder_names(chosen_file.substr(0, last_folder_end(chosen_file, style)), style);
    return climb_and_descend(bf, ff, common_prefix(bf, ff, style)) + file_name_of(chosen_file, style);
}

}  // namespace corvane
