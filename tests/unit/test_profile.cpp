#include "common/profile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <sstream>
#include <vector>

#include "common/casevocab.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using namespace corvane;

namespace {

// A fresh folder per test, removed afterwards.
class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("corvane-profile-" + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> names() const {
        std::vector<std::string> out;
        for (auto& e : fs::directory_iterator(path_)) out.push_back(e.path().filename().string());
        std::sort(out.begin(), out.end());
        return out;
    }

private:
    fs::path path_;
};

std::optional<std::string> slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void spit(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Holds a file's bytes in memory instead of on disk, for the parser tests.
class MemoryStorage : public ProfileStorage {
public:
    std::optional<std::string> content;
    int replacements = 0;

    ReadResult read(const std::string&, std::string& bytes) override {
        if (!content) return ReadResult::Missing;
        bytes = *content;
        return ReadResult::Ok;
    }
    std::string resolve(const std::string& p) override { return p; }
    bool writable(const std::string&) override { return true; }
    bool create_temp(const std::string&, TempFile& t) override {
        t.path = "temp";
        t.handle = 1;
        pending_.clear();
        return true;
    }
    bool write(TempFile&, std::string_view b) override {
        pending_.append(b);
        return true;
    }
    bool copy_mode(const std::string&, TempFile&) override { return true; }
    bool sync(TempFile&) override { return true; }
    bool close(TempFile& t) override {
        t.handle = -1;
        return true;
    }
    bool replace(TempFile&, const std::string&) override {
        content = pending_;
        ++replacements;
        return true;
    }
    void discard(TempFile&) override {}

private:
    std::string pending_;
};

// The platform's files, except that step number `at` (counted from 0 over
// the steps of a save) goes wrong: it fails, or the process "dies" there and
// nothing after it runs, not even the clean-up.
class FaultyStorage : public ProfileStorage {
public:
    struct Died {};
    enum class Mode { Fail, Die };
    FaultyStorage(int at, Mode mode) : at_(at), mode_(mode) {}
    int steps() const { return step_; }

    ReadResult read(const std::string& p, std::string& b) override { return real().read(p, b); }
    std::string resolve(const std::string& p) override { return real().resolve(p); }
    bool writable(const std::string& p) override { return go() && real().writable(p); }
    bool create_temp(const std::string& target, TempFile& t) override { return go() && real().create_temp(target, t); }
    bool write(TempFile& t, std::string_view b) override {
        // A full disk writes part of the bytes, then fails.
        if (!go()) return real().write(t, b.substr(0, b.size() / 2)) && false;
        return real().write(t, b);
    }
    bool copy_mode(const std::string& target, TempFile& t) override { return go() && real().copy_mode(target, t); }
    bool sync(TempFile& t) override { return go() && real().sync(t); }
    bool close(TempFile& t) override { return go() && real().close(t); }
    bool replace(TempFile& t, const std::string& target) override { return go() && real().replace(t, target); }
    void discard(TempFile& t) override {
        if (dead_) throw Died{};
        real().discard(t);
    }

private:
    static ProfileStorage& real() { return default_profile_storage(); }
    bool go() {
        if (dead_) throw Died{};
        if (step_++ != at_) return true;
        if (mode_ == Mode::Fail) return false;
        dead_ = true;
        throw Died{};
    }
    int at_;
    Mode mode_;
    int step_ = 0;
    bool dead_ = false;
};

struct Write {
    const char* section;
    const char* key;
    const char* value;
};

}  // namespace

TEST(ProfileRead, NamesMatchLooselyAndTheFirstWins) {
    struct Case {
        const char* file;
        const char* section;
        const char* key;
        std::optional<std::string> want;
    };
    const Case cases[] = {
        {"[Setup]\r\nElement=1\r\n", "Setup", "Element", "1"},
        {"  [ setup ]  \r\n  element  =  1  \r\n", "Setup", "Element", "1"},
        {"[Setup]\nElement=1", "SETUP", "ELEMENT", "1"},
        {"[Setup]\r\nElement=1\r\nElement=2\r\n", "Setup", "Element", "1"},
        {"[Setup]\r\nValue=1\r\n[Setup]\r\nElement=2\r\n", "Setup", "Element", std::nullopt},
        {"Element=1\r\n[Setup]\r\n", "Setup", "Element", std::nullopt},
        {"[Other]\r\nElement=1\r\n[Setup]\r\n", "Setup", "Element", std::nullopt},
        {"[Setup]\r\n;Element=1\r\nElement\r\n", "Setup", "Element", std::nullopt},
        {"[Setup]\r\nElement=\r\n", "Setup", "Element", ""},
        {"[Setup]\r\nk=a=b\r\n", "Setup", "k", "a=b"},
        // The second byte of ゾ (83 5D) is ']' and must not end the name.
        {"[\x83\x5D]\r\nk=1\r\n", "\x83\x5D", "k", "1"},
        // ア (83 41) and ヂ (83 61) differ only in the case of an ASCII-looking
        // second byte; they are different names.
        {"[\x83\x61]\r\nk=1\r\n", "\x83\x41", "k", std::nullopt},
        {"", "Setup", "Element", std::nullopt},
    };
    for (const Case& c : cases) {
        MemoryStorage mem;
        mem.content = c.file;
        ProfileFile f("x.ini", mem);
        EXPECT_EQ(f.read_string(c.section, c.key), c.want) << c.file;
    }
}

TEST(ProfileRead, IntegersOrTheDefault) {
    const std::pair<const char*, int> cases[] = {
        {"7", 7}, {" 12 ", 12}, {"-3", -3}, {"x", 99}, {"7x", 99}, {"", 99}, {"1.5", 99}, {"99999999999", 99},
    };
    for (auto& [text, want] : cases) {
        MemoryStorage mem;
        mem.content = std::string("[S]\r\nk=") + text + "\r\n";
        EXPECT_EQ(ProfileFile("x.ini", mem).read_int("S", "k", 99), want) << text;
    }
    MemoryStorage none;
    EXPECT_EQ(ProfileFile("x.ini", none).read_int("S", "k", 99), 99);
}

TEST(ProfileWrite, ChangesExactlyTheKeysWritten) {
    struct Case {
        const char* name;
        std::optional<std::string> before;
        std::vector<Write> writes;
        std::string after;
    };
    const Case cases[] = {
        {"new file", std::nullopt,
         {{"Setup", "Element", "0"}, {"Setup", "Attribute", "0"}, {"Setup", "Value", "1"}},
         "[Setup]\r\nElement=0\r\nAttribute=0\r\nValue=1\r\n"},
        {"empty file", "", {{"S", "k", "v"}}, "[S]\r\nk=v\r\n"},
        {"new section takes the LF of the file", "a=1\n", {{"S", "k", "v"}}, "a=1\n[S]\nk=v\n"},
        {"new section completes the last line", "[A]\r\nx=1", {{"S", "k", "v"}}, "[A]\r\nx=1\r\n[S]\r\nk=v\r\n"},
        {"new key completes the last line", "[S]\r\nx=1", {{"S", "k", "v"}, {"S", "j", "w"}},
         "[S]\r\nx=1\r\nk=v\r\nj=w\r\n"},
        {"new key after the last non-blank line", "[S]\r\na=1\r\n;c\r\n\r\n \t\r\n[T]\r\n", {{"s", "k", "v"}},
         "[S]\r\na=1\r\n;c\r\nk=v\r\n\r\n \t\r\n[T]\r\n"},
        {"new key into an empty section", "[S]\r\n[T]\r\n", {{"S", "k", "v"}}, "[S]\r\nk=v\r\n[T]\r\n"},
        {"existing key: its spelling and line ending stay", "[ setup ]\r\n  element = 1 \n;x\r\n",
         {{"Setup", "Element", "0"}}, "[ setup ]\r\nelement=0\n;x\r\n"},
        {"only the first section and first key", "[S]\r\nk=1\r\nk=2\r\n[S]\r\nk=3\r\n", {{"S", "K", "9"}},
         "[S]\r\nk=9\r\nk=2\r\n[S]\r\nk=3\r\n"},
        {"keys elsewhere are not ours", "k=1\r\n[T]\r\nk=2\r\n[S]\r\n", {{"S", "k", "9"}},
         "k=1\r\n[T]\r\nk=2\r\n[S]\r\nk=9\r\n"},
        {"values as given", "[S]\r\n", {{"S", "k", "\"a\" ; b\\n%s"}}, "[S]\r\nk=\"a\" ; b\\n%s\r\n"},
        {"Shift_JIS around the key stays", "[S]\r\n\x95\x5C=\x83\x5C\r\nk=1\n\x95\x5C\x8E\xA6\r\n",
         {{"S", "k", "\x95\x5C"}}, "[S]\r\n\x95\x5C=\x83\x5C\r\nk=\x95\x5C\n\x95\x5C\x8E\xA6\r\n"},
        {"same value: nothing changes", "[S]\r\n  k =  1 \r\n", {{"S", "k", "1"}}, "[S]\r\n  k =  1 \r\n"},
    };
    for (const Case& c : cases) {
        MemoryStorage mem;
        mem.content = c.before;
        ProfileFile f("x.ini", mem);
        for (const Write& w : c.writes) f.write_string(w.section, w.key, w.value);
        f.save();
        EXPECT_EQ(mem.content.value_or("<none>"), c.after) << c.name;
        EXPECT_EQ(mem.replacements, c.before == c.after ? 0 : 1) << c.name;
    }
}

TEST(ProfileWrite, RefusesEntriesThatWouldAddLines) {
    MemoryStorage mem;
    ProfileFile f("x.ini", mem);
    EXPECT_THROW(f.write_string("S", "k", "a\r\nb=c"), std::invalid_argument);
    EXPECT_THROW(f.write_string("S", "k=x", "v"), std::invalid_argument);
    EXPECT_THROW(f.write_string("S]\n[T", "k", "v"), std::invalid_argument);
    EXPECT_FALSE(f.modified());
}

TEST(ProfileSave, WritesTheFileAndKeepsIt) {
    TempDir dir;
    const std::string path = dir.file("Corvane.ini");
    ProfileFile f(path);
    f.write_int("Setup", "Element", 1);
    f.save();
    EXPECT_EQ(slurp(path), "[Setup]\r\nElement=1\r\n");
    EXPECT_EQ(dir.names(), std::vector<std::string>{"Corvane.ini"});

    ProfileFile again(path);
    EXPECT_EQ(again.read_int("Setup", "Element", 0), 1);
    again.write_int("Setup", "Element", 1);
    EXPECT_FALSE(again.modified());
}

#ifndef _WIN32
TEST(ProfileSave, KeepsPermissionsAndSymbolicLinks) {
    TempDir dir;
    const std::string real = dir.file("real.pld"), link = dir.file("Corvane.pld");
    spit(real, "[S]\r\nk=1\r\n");
    ASSERT_EQ(::chmod(real.c_str(), 0640), 0);
    ASSERT_EQ(::symlink(real.c_str(), link.c_str()), 0);

    ProfileFile f(link);
    f.write_string("S", "k", "2");
    f.save();

    struct stat st;
    ASSERT_EQ(::lstat(link.c_str(), &st), 0);
    EXPECT_TRUE(S_ISLNK(st.st_mode));
    ASSERT_EQ(::stat(real.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(slurp(real), "[S]\r\nk=2\r\n");
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"Corvane.pld", "real.pld"}));
}

TEST(ProfileSave, ReadOnlyIsAnErrorAndChangesNothing) {
    if (::geteuid() == 0) GTEST_SKIP() << "root writes into read-only files and folders";
    for (bool folder : {true, false}) {
        TempDir dir;
        const std::string path = dir.file("Corvane.ini");
        spit(path, "[Setup]\nElement=1\n");
        ASSERT_EQ(::chmod(folder ? dir.file("").c_str() : path.c_str(), folder ? 0555 : 0444), 0);
        ProfileFile f(path);
        f.write_int("Setup", "Element", 0);
        try {
            f.save();
            ADD_FAILURE() << "no error";
        } catch (const ProfileWriteError& e) {
            EXPECT_EQ(std::string(e.what()), path + " に書き込めません");
        }
        EXPECT_EQ(slurp(path), "[Setup]\nElement=1\n");
        EXPECT_EQ(dir.names(), std::vector<std::string>{"Corvane.ini"});
    }
}
#endif

TEST(ProfileSave, UnwritablePlacesAreErrors) {
    TempDir dir;
    spit(dir.file("plain"), "x");
    fs::create_directory(dir.file("Corvane.ini"));  // a folder where the file should be
    const std::string paths[] = {
        dir.file("missing/Corvane.ini"),
        dir.file("plain/Corvane.ini"),
        dir.file("Corvane.ini"),
    };
    for (const std::string& path : paths) {
        ProfileFile f(path);
        f.write_int("Setup", "Element", 0);
        try {
            f.save();
            ADD_FAILURE() << path << ": no error";
        } catch (const ProfileWriteError& e) {
            EXPECT_EQ(std::string(e.what()), path + " に書き込めません");
            EXPECT_EQ(e.path(), path);
        }
    }
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"Corvane.ini", "plain"}));
}

// A save broken off at any step leaves either the old file or the new one,
// never a mixture; an ordinary failure also leaves no temporary file behind.
TEST(ProfileSave, BrokenOffAtAnyStep) {
    const std::string before = "; editor data\r\n[Menu00]\r\nM06=\x95\x5C\r\n[Setup]\nElement=1\n";
    const std::string after = "; editor data\r\n[Menu00]\r\nM06=\x95\x5C\r\n[Setup]\nElement=0\nValue=1\r\n";

    int steps = 0;
    {
        TempDir dir;
        spit(dir.file("Corvane.ini"), before);
        FaultyStorage counting(-1, FaultyStorage::Mode::Fail);
        ProfileFile f(dir.file("Corvane.ini"), counting);
        f.write_int("Setup", "Element", 0);
        f.write_int("Setup", "Value", 1);
        f.save();
        steps = counting.steps();
        EXPECT_EQ(slurp(dir.file("Corvane.ini")), after);
    }
    ASSERT_GE(steps, 6);

    for (bool existed : {true, false}) {
        for (int at = 0; at < steps; ++at) {
            const std::string where = (existed ? "old file, step " : "new file, step ") + std::to_string(at);
            {
                TempDir dir;
                const std::string path = dir.file("Corvane.ini");
                if (existed) spit(path, before);
                FaultyStorage faulty(at, FaultyStorage::Mode::Fail);
                ProfileFile f(path, faulty);
                f.write_int("Setup", "Element", 0);
                f.write_int("Setup", "Value", 1);
                EXPECT_THROW(f.save(), ProfileWriteError) << where;
                EXPECT_EQ(slurp(path), existed ? std::optional<std::string>(before) : std::nullopt) << where;
                EXPECT_EQ(dir.names().size(), existed ? 1u : 0u) << where;
            }
            {
                TempDir dir;
                const std::string path = dir.file("Corvane.ini");
                if (existed) spit(path, before);
                FaultyStorage dying(at, FaultyStorage::Mode::Die);
                ProfileFile f(path, dying);
                f.write_int("Setup", "Element", 0);
                f.write_int("Setup", "Value", 1);
                EXPECT_THROW(f.save(), FaultyStorage::Died) << where;
                auto now = slurp(path);
                if (existed)
                    EXPECT_TRUE(now == before || now == after) << where;
                else
                    EXPECT_TRUE(!now || now == after) << where;

                // The next run saves normally despite what was left behind.
                ProfileFile next(path);
                next.write_int("Setup", "Element", 0);
                next.write_int("Setup", "Value", 1);
                next.save();
                EXPECT_EQ(slurp(path), existed ? after : "[Setup]\r\nElement=0\r\nValue=1\r\n") << where;
            }
        }
    }
}

// Writing over a file that exists but cannot be read would throw its
// contents away.
TEST(ProfileSave, UnreadableFileIsNotOverwritten) {
    class Unreadable : public MemoryStorage {
        ReadResult read(const std::string&, std::string&) override { return ReadResult::Failed; }
    } mem;
    ProfileFile f("/some/Corvane.pld", mem);
    f.write_string("Menu00", "M00", "x");
    EXPECT_THROW(f.save(), ProfileWriteError);
    EXPECT_EQ(mem.replacements, 0);
}

TEST(CaseSettingsSave, WritesTheThreeKeysInOrder) {
    struct Case {
        std::optional<std::string> before;
        CaseSettings settings;
        std::string after;
    };
    const Case cases[] = {
        {std::nullopt, {0, 0, 1}, "[Setup]\r\nElement=0\r\nAttribute=0\r\nValue=1\r\n"},
        {std::nullopt, {1, 1, 0}, "[Setup]\r\nElement=1\r\nAttribute=1\r\nValue=0\r\n"},
        // No selection (a negative value) and anything else out of range:
        // the role's default.
        {std::nullopt, {-1, -1, -1}, "[Setup]\r\nElement=0\r\nAttribute=0\r\nValue=1\r\n"},
        {std::nullopt, {5, -2, 7}, "[Setup]\r\nElement=0\r\nAttribute=0\r\nValue=1\r\n"},
        {"[Other]\r\nx=1\r\n[Setup]\nValue=7\n", {0, 1, 1},
         // New lines take the file's line ending, that of its first line.
         "[Other]\r\nx=1\r\n[Setup]\nValue=1\nElement=0\r\nAttribute=1\r\n"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir.file("Corvane.ini");
        if (c.before) spit(path, *c.before);
        save_case_settings(path, c.settings);
        EXPECT_EQ(slurp(path), c.after);
        CaseSettings back = load_case_settings(path);
        CaseSettings want = c.settings.effective();
        EXPECT_EQ(back.element, want.element);
        EXPECT_EQ(back.attribute, want.attribute);
        EXPECT_EQ(back.value, want.value);
    }
    TempDir dir;
    EXPECT_THROW(save_case_settings(dir.file("missing/Corvane.ini"), CaseSettings{}), ProfileWriteError);
}
