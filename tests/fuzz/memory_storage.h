// Profile files held in memory, for the fuzzers: a save goes through every
// step of the atomic write without touching the disk.
#pragma once
#include <map>
#include <string>

#include "common/profile.h"

namespace corvane::fuzz {

class MemoryStorage final : public ProfileStorage {
public:
    std::map<std::string, std::string> files;

    ReadResult read(const std::string& path, std::string& bytes) override {
        auto it = files.find(path);
        if (it == files.end()) return ReadResult::Missing;
        bytes = it->second;
        return ReadResult::Ok;
    }
    std::string resolve(const std::string& path) override { return path; }
    bool writable(const std::string&) override { return true; }
    bool create_temp(const std::string& target, TempFile& temp) override {
        temp.path = target + ".tmp";
        temp.handle = 1;
        files[temp.path].clear();
        return true;
    }
    bool write(TempFile& temp, std::string_view bytes) override {
        files[temp.path].append(bytes);
        return true;
    }
    bool copy_mode(const std::string&, TempFile&) override { return true; }
    bool sync(TempFile&) override { return true; }
    bool close(TempFile& temp) override {
        temp.handle = -1;
        return true;
    }
    bool replace(TempFile& temp, const std::string& target) override {
        files[target] = files[temp.path];
        files.erase(temp.path);
        return true;
    }
    void discard(TempFile& temp) override { files.erase(temp.path); }
};

// The lines of a profile file's bytes, each with its line break; the last
// one may have none.
inline std::vector<std::string> lines_of(const std::string& bytes) {
    std::vector<std::string> out;
    size_t at = 0;
    while (at < bytes.size()) {
        size_t nl = bytes.find('\n', at);
        size_t next = nl == std::string::npos ? bytes.size() : nl + 1;
        out.push_back(bytes.substr(at, next - at));
        at = next;
    }
    return out;
}

inline char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// A name with blanks around it dropped and ASCII letters in lower case.
inline std::string folded(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r' || s.back() == '\n'))
        s.remove_suffix(1);
    std::string out;
    for (char c : s) out += lower(c);
    return out;
}

// Whether the writer of `keys` in `sections` may have touched this line:
// a key line of one of those (ASCII) key names, or a header of one of those
// sections.  Every other line must come through a write unchanged.
inline bool may_change(const std::string& line, const std::vector<std::string>& sections,
                       const std::vector<std::string>& keys) {
    const std::string f = folded(line);
    for (const std::string& s : sections)
        if (f == "[" + folded(s) + "]") return true;
    size_t eq = line.find('=');
    if (eq == std::string::npos) return false;
    const std::string name = folded(line.substr(0, eq));
    for (const std::string& k : keys)
        if (name == folded(k)) return true;
    return false;
}

// Every line of `before` outside the written keys stands in `after`, in
// the same order, byte for byte; the old last line may have gained a line
// break.  Returns an empty text, or what went wrong.
inline std::string check_kept(const std::string& before, const std::string& after,
                              const std::vector<std::string>& sections, const std::vector<std::string>& keys) {
    std::vector<std::string> a, b;
    for (const std::string& l : lines_of(before))
        if (!may_change(l, sections, keys)) a.push_back(l);
    for (const std::string& l : lines_of(after))
        if (!may_change(l, sections, keys)) b.push_back(l);
    if (a.size() != b.size()) return "a line outside the written keys was lost or added";
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == b[i]) continue;
        const bool last_without_break = i + 1 == a.size() && a[i].back() != '\n' && before.size() >= a[i].size() &&
                                        before.compare(before.size() - a[i].size(), a[i].size(), a[i]) == 0;
        if (last_without_break && (b[i] == a[i] + "\r\n" || b[i] == a[i] + "\n")) continue;
        return "line changed: '" + a[i] + "' became '" + b[i] + "'";
    }
    return {};
}

}  // namespace corvane::fuzz
