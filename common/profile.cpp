#include "common/profile.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fstream>
#include <sstream>

namespace corvane {

namespace {

std::string_view trim_blanks(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

bool same_name(std::string_view a, std::string_view b) {
    a = trim_blanks(a);
    b = trim_blanks(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return true;
}

}  // namespace

ProfileFile::ProfileFile(std::string path) : path_(std::move(path)) {
    std::ifstream in(path_, std::ios::binary);
    if (in) {
        std::ostringstream ss;
        ss << in.rdbuf();
        bytes_ = ss.str();
    }
}

std::optional<std::string> ProfileFile::read_string(const std::string& section, const std::string& key) const {
    std::string_view all(bytes_);
    bool in_section = false, seen_section = false;
    size_t pos = 0;
    while (pos < all.size()) {
        size_t eol = all.find('\n', pos);
        std::string_view line = all.substr(pos, eol == std::string_view::npos ? std::string_view::npos : eol - pos);
        pos = eol == std::string_view::npos ? all.size() : eol + 1;
        std::string_view t = trim_blanks(line);
        if (!t.empty() && t.front() == '[') {
            if (in_section) return std::nullopt;  // only the first section of a name counts
            size_t close = t.find(']');
            std::string_view name = t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1);
            in_section = !seen_section && same_name(name, section);
            seen_section = seen_section || in_section;
            continue;
        }
        if (!in_section) continue;
        size_t eq = t.find('=');
        if (eq == std::string_view::npos) continue;
        if (same_name(t.substr(0, eq), key)) return std::string(trim_blanks(t.substr(eq + 1)));
    }
    return std::nullopt;
}

int ProfileFile::read_int(const std::string& section, const std::string& key, int fallback) const {
    auto text = read_string(section, key);
    if (!text) return fallback;
    std::string_view t = trim_blanks(*text);
    if (t.empty()) return fallback;
    std::string s(t);
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (end == s.c_str() || *end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX) return fallback;
    return static_cast<int>(v);
}

}  // namespace corvane
