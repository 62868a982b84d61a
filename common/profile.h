// Profile (INI) files as the editor and the platform's profile API know them.
//
// The editor's own data lives in such files beside entries we write, so the
// writer changes exactly the keys it is told to and leaves every other byte
// as it was.  Writes are collected in memory and saved in one atomic step.
#pragma once
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane {

// A profile file that could not be written.  The message is the user-facing
// text "<path> に書き込めません".
class ProfileWriteError : public std::runtime_error {
public:
    explicit ProfileWriteError(const std::string& path);
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// The file-system steps of reading and of an atomic replacement.  The real
// one works on the platform's files; tests put in one that fails or "dies"
// between steps.
class ProfileStorage {
public:
    enum class ReadResult { Ok, Missing, Failed };

    struct TempFile {
        std::string path;
        std::intptr_t handle = -1;
    };

    virtual ~ProfileStorage() = default;

    // Whole file into `bytes`.  Missing: there is no such file.  Failed: it
    // exists (or may exist) but cannot be read.
    virtual ReadResult read(const std::string& path, std::string& bytes) = 0;
    // The file that a write of `path` must replace (a symbolic link is
    // followed, so that the link itself stays).
    virtual std::string resolve(const std::string& path) = 0;
    // False when `path` exists and may not be written.
    virtual bool writable(const std::string& path) = 0;
    // Creates and opens a new, empty file in the folder of `target`.
    virtual bool create_temp(const std::string& target, TempFile& temp) = 0;
    virtual bool write(TempFile& temp, std::string_view bytes) = 0;
    // Gives the open file the permission bits of `target`, when it exists.
    virtual bool copy_mode(const std::string& target, TempFile& temp) = 0;
    // Forces the written bytes to the disk.
    virtual bool sync(TempFile& temp) = 0;
    virtual bool close(TempFile& temp) = 0;
    // Renames the closed temporary file over `target` in one step.
    virtual bool replace(TempFile& temp, const std::string& target) = 0;
    // Best effort after a failure: closes the file if open and removes it.
    virtual void discard(TempFile& temp) = 0;
};

// The platform's files.
ProfileStorage& default_profile_storage();

class ProfileFile {
public:
    // Reads the whole file if it exists; a missing or unreadable file reads
    // as empty.
    explicit ProfileFile(std::string path);
    ProfileFile(std::string path, ProfileStorage& storage);

    const std::string& path() const { return path_; }
    // The file's bytes with the writes made so far.
    const std::string& bytes() const { return bytes_; }

    // Section and key names match without regard to letter case and to blanks
    // around them; the first section of a name and its first key of a name win.
    std::optional<std::string> read_string(const std::string& section, const std::string& key) const;
    // A whole decimal integer, blanks around it ignored; anything else gives
    // `fallback`.
    int read_int(const std::string& section, const std::string& key, int fallback) const;

    // Sets a key in memory; save() puts the result on disk.  An existing key
    // has its line rewritten as name=value (the file's spelling of the name,
    // the line's own line ending); a new key goes after the last non-blank
    // line of its section; a new section is appended at the end of the file.
    // New lines take the file's line ending, CR LF for a file without one.
    // The value is written as given.  Writing the value a key already has
    // changes nothing.
    void write_string(const std::string& section, const std::string& key, const std::string& value);
    void write_int(const std::string& section, const std::string& key, int value);

    // True when writes have changed the bytes since loading or the last save.
    bool modified() const { return modified_; }

    // Writes the file once, atomically: a temporary file in the same folder,
    // flushed to disk, then renamed over the old one with its permissions.
    // Does nothing when nothing changed.  Throws ProfileWriteError when the
    // file or its folder cannot be written, leaving the old file as it was;
    // also when the old file exists but could not be read, since writing
    // would lose its contents.
    void save();

private:
    std::string path_;
    ProfileStorage* storage_;
    std::string bytes_;
    bool unreadable_ = false;
    bool modified_ = false;
};

}  // namespace corvane
