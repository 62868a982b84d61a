#include "common/profile.h"

#include <gtest/gtest.h>

#include "common/casevocab.h"
#include "scratch_files.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace corvane;
using namespace corvane::testing_files;

namespace {

// The platform's files, counting the steps of a save; step number `at`
// fails (a full disk writes half the bytes first), or the process "dies"
// there and nothing after it runs, not even the clean-up.
class StepStorage : public ProfileStorage {
public:
    struct Died {};
    enum class Mode { Fail, Die };
    explicit StepStorage(int at = -1, Mode mode = Mode::Fail) : at_(at), mode_(mode) {}
    int steps() const { return step_; }

    ReadResult read(const std::string& p, std::string& b) override { return real().read(p, b); }
    std::string resolve(const std::string& p) override { return real().resolve(p); }
    bool writable(const std::string& p) override { return go() && real().writable(p); }
    bool create_temp(const std::string& target, TempFile& t) override { return go() && real().create_temp(target, t); }
    bool write(TempFile& t, std::string_view b) override {
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
        {"  [ setup ]  \r\n  element  =  1  \r\n", "Setup", "Element", "1"},
        {"[Setup]\nElement=1", "SETUP", "ELEMENT", "1"},
        {"[Setup]\r\nElement=1\r\nElement=2\r\n", "Setup", "Element", "1"},
        {"[Setup]\r\nValue=1\r\n[Setup]\r\nElement=2\r\n", "Setup", "Element", std::nullopt},
        {"Element=1\r\n[Other]\r\nElement=1\r\n[Setup]\r\n", "Setup", "Element", std::nullopt},
        {"[Setup]\r\n;Element=1\r\nElement\r\n", "Setup", "Element", std::nullopt},
        {"[Setup]\r\nk=a=b\r\n", "Setup", "k", "a=b"},
        // The second byte of ゾ (83 5D) is ']' and must not end the name.
        {"[\x83\x5D]\r\nk=1\r\n", "\x83\x5D", "k", "1"},
        // ア (83 41) and ヂ (83 61) differ only in an ASCII-looking second byte.
        {"[\x83\x61]\r\nk=1\r\n", "\x83\x41", "k", std::nullopt},
    };
    ScratchDir dir;
    for (const Case& c : cases) {
        spit(dir.file("x.ini"), c.file);
        EXPECT_EQ(ProfileFile(dir.file("x.ini")).read_string(c.section, c.key), c.want) << c.file;
    }
    const std::pair<const char*, int> ints[] = {
        {"7", 7}, {" 12 ", 12}, {"-3", -3}, {"x", 99}, {"7x", 99}, {"", 99}, {"1.5", 99}, {"99999999999", 99},
    };
    for (auto& [text, want] : ints) {
        spit(dir.file("x.ini"), std::string("[S]\r\nk=") + text + "\r\n");
        EXPECT_EQ(ProfileFile(dir.file("x.ini")).read_int("S", "k", 99), want) << text;
    }
    EXPECT_EQ(ProfileFile(dir.file("none.ini")).read_int("S", "k", 99), 99);
}

TEST(ProfileWrite, ChangesExactlyTheKeysWritten) {
    struct Case {
        const char* name;
        std::optional<std::string> before;
        std::vector<Write> writes;
        std::string after;
    };
    const Case cases[] = {
        {"new file", std::nullopt, {{"Setup", "Element", "0"}, {"Setup", "Value", "1"}},
         "[Setup]\r\nElement=0\r\nValue=1\r\n"},
        {"empty file", "", {{"S", "k", "v"}}, "[S]\r\nk=v\r\n"},
        {"new section in the file's LF", "a=1\n", {{"S", "k", "v"}}, "a=1\n[S]\nk=v\n"},
        {"new section completes the last line", "[A]\r\nx=1", {{"S", "k", "v"}}, "[A]\r\nx=1\r\n[S]\r\nk=v\r\n"},
        {"new keys complete the last line", "[S]\r\nx=1", {{"S", "k", "v"}, {"S", "j", "w"}},
         "[S]\r\nx=1\r\nk=v\r\nj=w\r\n"},
        {"new key after the last non-blank line", "[S]\r\na=1\r\n;c\r\n\r\n \t\r\n[T]\r\n", {{"s", "k", "v"}},
         "[S]\r\na=1\r\n;c\r\nk=v\r\n\r\n \t\r\n[T]\r\n"},
        {"existing key keeps its spelling and line ending", "[ setup ]\r\n  element = 1 \n;x\r\n",
         {{"Setup", "Element", "0"}}, "[ setup ]\r\nelement=0\n;x\r\n"},
        {"first section, first key only", "k=1\r\n[S]\r\nk=1\r\nk=2\r\n[S]\r\nk=3\r\n", {{"S", "K", "9"}},
         "k=1\r\n[S]\r\nk=9\r\nk=2\r\n[S]\r\nk=3\r\n"},
        {"values as given", "[S]\r\n", {{"S", "k", "\"a\" ; b\\n%s"}}, "[S]\r\nk=\"a\" ; b\\n%s\r\n"},
        {"Shift_JIS around it stays", "[S]\r\n\x95\x5C=\x83\x5C\r\nk=1\n\x95\x5C\x8E\xA6\r\n",
         {{"S", "k", "\x95\x5C"}}, "[S]\r\n\x95\x5C=\x83\x5C\r\nk=\x95\x5C\n\x95\x5C\x8E\xA6\r\n"},
        {"same value: no rewrite", "[S]\r\n  k =  1 \r\n", {{"S", "k", "1"}}, "[S]\r\n  k =  1 \r\n"},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        const std::string path = dir.file("x.ini");
        if (c.before) spit(path, *c.before);
        StepStorage counting;
        ProfileFile f(path, counting);
        for (const Write& w : c.writes) f.write_string(w.section, w.key, w.value);
        f.save();
        EXPECT_EQ(slurp(path), c.after) << c.name;
        EXPECT_EQ(counting.steps() == 0, c.before == c.after) << c.name;
    }
}

TEST(ProfileWrite, RefusesEntriesThatWouldAddLines) {
    ProfileFile f("unused.ini");
    EXPECT_THROW(f.write_string("S", "k", "a\r\nb=c"), std::invalid_argument);
    EXPECT_THROW(f.write_string("S", "k=x", "v"), std::invalid_argument);
    EXPECT_THROW(f.write_string("S]\n[T", "k", "v"), std::invalid_argument);
    EXPECT_FALSE(f.modified());
}

#ifndef _WIN32
TEST(ProfileSave, KeepsPermissionsAndSymbolicLinks) {
    ScratchDir dir;
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
#endif

// Each place that cannot be written gives the error with the full path and
// leaves the folder exactly as it was.  A folder where the file should be is
// an existing file that cannot be read: writing over it would lose it.
TEST(ProfileSave, UnwritablePlacesAreErrors) {
    enum Setup { MissingFolder, FolderIsAFile, FolderAtPath, ReadOnlyFolder, ReadOnlyFile };
    for (Setup s : {MissingFolder, FolderIsAFile, FolderAtPath, ReadOnlyFolder, ReadOnlyFile}) {
        ScratchDir dir;
        std::string path = dir.file("Corvane.ini");
        spit(dir.file("plain"), "x");
        if (s == MissingFolder) path = dir.file("missing/Corvane.ini");
        if (s == FolderIsAFile) path = dir.file("plain/Corvane.ini");
        if (s == FolderAtPath) std::filesystem::create_directory(path);
        if (s == ReadOnlyFolder || s == ReadOnlyFile) {
#ifndef _WIN32
            if (::geteuid() == 0) continue;  // root writes anyway
            spit(path, "[Setup]\nElement=1\n");
            ASSERT_EQ(::chmod(s == ReadOnlyFolder ? dir.path().c_str() : path.c_str(), 0555), 0);
#else
            continue;
#endif
        }
        const auto names = dir.names();
        const auto bytes = slurp(path);
        ProfileFile f(path);
        f.write_int("Setup", "Element", 0);
        try {
            f.save();
            ADD_FAILURE() << s << ": no error";
        } catch (const ProfileWriteError& e) {
            EXPECT_EQ(std::string(e.what()), path + " に書き込めません") << s;
        }
        EXPECT_EQ(slurp(path), bytes) << s;
        EXPECT_EQ(dir.names(), names) << s;
    }
}

// A save broken off at any step leaves either the old file or the new one,
// never a mixture; an ordinary failure leaves no temporary file either.
TEST(ProfileSave, BrokenOffAtAnyStep) {
    const std::string before = "; editor data\r\n[Menu00]\r\nM06=\x95\x5C\r\n[Setup]\nElement=1\n";
    const std::string after = "; editor data\r\n[Menu00]\r\nM06=\x95\x5C\r\n[Setup]\nElement=0\nValue=1\r\n";
    auto save = [](const std::string& path, ProfileStorage& storage) {
        ProfileFile f(path, storage);
        f.write_int("Setup", "Element", 0);
        f.write_int("Setup", "Value", 1);
        f.save();
    };
    int steps = 0;
    {
        ScratchDir dir;
        StepStorage counting;
        save(dir.file("Corvane.ini"), counting);
        steps = counting.steps();
    }
    ASSERT_GE(steps, 6);
    for (bool existed : {true, false}) {
        const std::optional<std::string> old = existed ? std::optional(before) : std::nullopt;
        const std::string fresh = existed ? after : "[Setup]\r\nElement=0\r\nValue=1\r\n";
        for (int at = 0; at < steps; ++at) {
            const std::string where = (existed ? "old file, step " : "new file, step ") + std::to_string(at);
            ScratchDir failing, dying;
            if (existed) {
                spit(failing.file("Corvane.ini"), before);
                spit(dying.file("Corvane.ini"), before);
            }

            StepStorage fails(at, StepStorage::Mode::Fail);
            EXPECT_THROW(save(failing.file("Corvane.ini"), fails), ProfileWriteError) << where;
            EXPECT_EQ(slurp(failing.file("Corvane.ini")), old) << where;
            EXPECT_EQ(failing.names().size(), existed ? 1u : 0u) << where;

            StepStorage dies(at, StepStorage::Mode::Die);
            EXPECT_THROW(save(dying.file("Corvane.ini"), dies), StepStorage::Died) << where;
            auto now = slurp(dying.file("Corvane.ini"));
            EXPECT_TRUE(now == old || now == fresh) << where;
            // The next run saves normally whatever was left behind.
            save(dying.file("Corvane.ini"), default_profile_storage());
            EXPECT_EQ(slurp(dying.file("Corvane.ini")), fresh) << where;
        }
    }
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
        // A group without a selection (negative), or any other value: the
        // role's default.
        {std::nullopt, {-1, -1, -1}, "[Setup]\r\nElement=0\r\nAttribute=0\r\nValue=1\r\n"},
        {std::nullopt, {5, -2, 7}, "[Setup]\r\nElement=0\r\nAttribute=0\r\nValue=1\r\n"},
        // New lines take the file's line ending, that of its first line.
        {"[Other]\r\nx=1\r\n[Setup]\nValue=7\n", {0, 1, 1},
         "[Other]\r\nx=1\r\n[Setup]\nValue=1\nElement=0\r\nAttribute=1\r\n"},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        const std::string path = dir.file("Corvane.ini");
        if (c.before) spit(path, *c.before);
        save_case_settings(path, c.settings);
        EXPECT_EQ(slurp(path), c.after);
        CaseSettings back = load_case_settings(path), want = c.settings.effective();
        EXPECT_EQ(std::tie(back.element, back.attribute, back.value), std::tie(want.element, want.attribute, want.value));
    }
}
