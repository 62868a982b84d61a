// Profile (INI) files as the editor and the platform's profile API know them.
#pragma once
#include <optional>
#include <string>

namespace corvane {

class ProfileFile {
public:
    // Reads the whole file if it exists; a missing or unreadable file reads
    // as empty.
    explicit ProfileFile(std::string path);

    const std::string& path() const { return path_; }

    // Section and key names match without regard to letter case and to blanks
    // around them; the first section of a name and its first key of a name win.
    std::optional<std::string> read_string(const std::string& section, const std::string& key) const;
    // A whole decimal integer, blanks around it ignored; anything else gives
    // `fallback`.
    int read_int(const std::string& section, const std::string& key, int fallback) const;

private:
    std::string path_;
    std::string bytes_;
};

}  // namespace corvane
