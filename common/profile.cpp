#include "common/profile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "common/profile_platform.h"

namespace corvane {

namespace {

// ---------------------------------------------------------------------------
// Line parser shared by reading and writing.

bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string_view trim_blanks(std::string_view s) {
    while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && (is_blank(s.back()) || s.back() == '\r')) s.remove_suffix(1);
    return s;
}

// First byte of a Shift_JIS double-byte character.  Its second byte may be
// any of 0x40-0xFC, '[' ']' '\' and ASCII letters included, so it must never
// be taken for a character of its own.
bool sjis_lead(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

char ascii_lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Names compare without regard to blanks around them and to the letter case
// of ASCII letters; the second byte of a double-byte character compares
// exactly.
bool same_name(std::string_view a, std::string_view b) {
    a = trim_blanks(a);
    b = trim_blanks(b);
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (sjis_lead(static_cast<unsigned char>(a[i])) && i + 1 < a.size()) {
            if (a[i] != b[i] || a[i + 1] != b[i + 1]) return false;
            ++i;
            continue;
        }
        if (ascii_lower(a[i]) != ascii_lower(b[i])) return false;
    }
    return true;
}

size_t sjis_find(std::string_view s, char wanted) {
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == wanted) return i;
        if (sjis_lead(static_cast<unsigned char>(s[i]))) ++i;
    }
    return std::string_view::npos;
}

struct Line {
    size_t begin;  // first byte
    size_t end;    // end of the text, before CR LF or LF
    size_t next;   // first byte after the line break; == end on a last line without one
};

std::vector<Line> split_lines(std::string_view all) {
    std::vector<Line> lines;
    size_t pos = 0;
    while (pos < all.size()) {
        size_t nl = all.find('\n', pos);
        if (nl == std::string_view::npos) {
            lines.push_back({pos, all.size(), all.size()});
            break;
        }
        size_t end = nl > pos && all[nl - 1] == '\r' ? nl - 1 : nl;
        lines.push_back({pos, end, nl + 1});
        pos = nl + 1;
    }
    return lines;
}

std::string_view text_of(std::string_view all, const Line& l) { return all.substr(l.begin, l.end - l.begin); }

// The name of a section line ("[name]", blanks allowed around it), or
// nothing for any other line.
std::optional<std::string_view> section_name(std::string_view text) {
    std::string_view t = trim_blanks(text);
    if (t.empty() || t.front() != '[') return std::nullopt;
    t.remove_prefix(1);
    size_t close = sjis_find(t, ']');
    return close == std::string_view::npos ? t : t.substr(0, close);
}

struct Location {
    long section = -1;      // index of the section line of the first section of the name
    size_t section_end = 0; // index of the first line after that section
    long key = -1;          // index of the first line of the key within it
};

Location locate(std::string_view all, const std::vector<Line>& lines, std::string_view section, std::string_view key) {
    Location loc;
    for (size_t i = 0; i < lines.size(); ++i) {
        std::string_view text = text_of(all, lines[i]);
        if (auto name = section_name(text)) {
            if (loc.section >= 0) {
                loc.section_end = i;
                return loc;
            }
            if (same_name(*name, section)) loc.section = static_cast<long>(i);
            continue;
        }
        if (loc.section < 0 || loc.key >= 0) continue;
        size_t eq = text.find('=');
        if (eq != std::string_view::npos && same_name(text.substr(0, eq), key)) loc.key = static_cast<long>(i);
    }
    loc.section_end = lines.size();
    return loc;
}

// The file's own line ending: that of its first line break; CR LF when it
// has none.
std::string line_ending(std::string_view all) {
    size_t nl = all.find('\n');
    if (nl == std::string_view::npos) return "\r\n";
    return nl > 0 && all[nl - 1] == '\r' ? "\r\n" : "\n";
}

bool has_line_break(std::string_view s) { return s.find_first_of("\r\n") != std::string_view::npos; }

// ---------------------------------------------------------------------------
// The platform's files, through the steps of profile_platform.h.

class PlatformStorage final : public ProfileStorage {
public:
    ReadResult read(const std::string& path, std::string& bytes) override {
        bytes.clear();
        std::FILE* f = profile_platform::open_for_reading(path);
        if (!f) return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
        char buf[65536];
        size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) bytes.append(buf, n);
        bool failed = std::ferror(f) != 0;
        std::fclose(f);
        if (failed) bytes.clear();
        return failed ? ReadResult::Failed : ReadResult::Ok;
    }

    std::string resolve(const std::string& path) override { return profile_platform::resolve_link(path); }

    bool writable(const std::string& path) override { return profile_platform::may_write(path) || errno == ENOENT; }

    bool create_temp(const std::string& target, TempFile& temp) override {
        static std::random_device seed;
        std::mt19937 gen(seed());
        for (int attempt = 0; attempt < 100; ++attempt) {
            char suffix[32];
            std::snprintf(suffix, sizeof suffix, ".%08x.tmp", static_cast<unsigned>(gen()));
            std::string name = target + suffix;
            int fd = profile_platform::create_new(name);
            if (fd >= 0) {
                temp.path = name;
                temp.handle = fd;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }

    bool write(TempFile& temp, std::string_view bytes) override {
        int fd = static_cast<int>(temp.handle);
        while (!bytes.empty()) {
            long long n = profile_platform::write_some(fd, bytes);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            bytes.remove_prefix(static_cast<size_t>(n));
        }
        return true;
    }

    bool copy_mode(const std::string& target, TempFile& temp) override {
        return profile_platform::copy_mode(target, static_cast<int>(temp.handle));
    }

    bool sync(TempFile& temp) override { return profile_platform::sync(static_cast<int>(temp.handle)); }

    bool close(TempFile& temp) override {
        int fd = static_cast<int>(temp.handle);
        temp.handle = -1;
        return profile_platform::close(fd);
    }

    bool replace(TempFile& temp, const std::string& target) override {
        return profile_platform::replace(temp.path, target);
    }

    void discard(TempFile& temp) override {
        if (temp.handle >= 0) close(temp);
        if (!temp.path.empty()) profile_platform::remove(temp.path);
    }
};

}  // namespace

ProfileWriteError::ProfileWriteError(const std::string& path)
    : std::runtime_error(path + " に書き込めません"), path_(path) {}

ProfileStorage& default_profile_storage() {
    static PlatformStorage storage;
    return storage;
}

ProfileFile::ProfileFile(std::string path) : ProfileFile(std::move(path), default_profile_storage()) {}

ProfileFile::ProfileFile(std::string path, ProfileStorage& storage) : path_(std::move(path)), storage_(&storage) {
    unreadable_ = storage_->read(path_, bytes_) == ProfileStorage::ReadResult::Failed;
}

std::optional<std::string> ProfileFile::read_string(const std::string& section, const std::string& key) const {
    auto lines = split_lines(bytes_);
    Location loc = locate(bytes_, lines, section, key);
    if (loc.key < 0) return std::nullopt;
    std::string_view text = text_of(bytes_, lines[static_cast<size_t>(loc.key)]);
    return std::string(trim_blanks(text.substr(text.find('=') + 1)));
}

int ProfileFile::read_int(const std::string& section, const std::string& key, int fallback) const {
    auto text = read_string(section, key);
    if (!text || text->empty()) return fallback;
    const std::string& s = *text;
    errno = 0;
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    if (end == s.c_str() || *end != '\0' || errno == ERANGE || v < INT_MIN || v > INT_MAX) return fallback;
    return static_cast<int>(v);
}

void ProfileFile::write_string(const std::string& section, const std::string& key, const std::string& value) {
    // A line break in any of them would add lines of its own to the file.
    if (has_line_break(section) || has_line_break(key) || has_line_break(value) ||
        key.find('=') != std::string::npos || section.find(']') != std::string::npos ||
        trim_blanks(section).empty() || trim_blanks(key).empty())
        throw std::invalid_argument("bad profile entry [" + section + "] " + key);

    auto lines = split_lines(bytes_);
    Location loc = locate(bytes_, lines, section, key);
    const std::string eol = line_ending(bytes_);

    if (loc.key >= 0) {
        const Line& l = lines[static_cast<size_t>(loc.key)];
        std::string_view text = text_of(bytes_, l);
        size_t eq = text.find('=');
        if (trim_blanks(text.substr(eq + 1)) == value) return;
        std::string line = std::string(trim_blanks(text.substr(0, eq))) + "=" + value;
        bytes_.replace(l.begin, l.end - l.begin, line);
    } else if (loc.section >= 0) {
        size_t last = static_cast<size_t>(loc.section);
        for (size_t i = last + 1; i < loc.section_end; ++i)
            if (!trim_blanks(text_of(bytes_, lines[i])).empty()) last = i;
        const Line& l = lines[last];
        std::string line = key + "=" + value + eol;
        if (l.next == l.end) line = eol + line;  // the last line of the file had no line break
        bytes_.insert(l.next, line);
    } else {
        if (!bytes_.empty() && bytes_.back() != '\n') bytes_ += eol;
        bytes_ += "[" + section + "]" + eol + key + "=" + value + eol;
    }
    modified_ = true;
}

void ProfileFile::write_int(const std::string& section, const std::string& key, int value) {
    write_string(section, key, std::to_string(value));
}

void ProfileFile::save() {
    if (!modified_) return;
    if (unreadable_) throw ProfileWriteError(path_);
    ProfileStorage& fs = *storage_;
    const std::string target = fs.resolve(path_);
    if (!fs.writable(target)) throw ProfileWriteError(path_);
    ProfileStorage::TempFile temp;
    if (!fs.create_temp(target, temp)) throw ProfileWriteError(path_);
    if (!fs.write(temp, bytes_) || !fs.copy_mode(target, temp) || !fs.sync(temp) || !fs.close(temp) ||
        !fs.replace(temp, target)) {
        fs.discard(temp);
        throw ProfileWriteError(path_);
    }
    modified_ = false;
}

}  // namespace corvane
