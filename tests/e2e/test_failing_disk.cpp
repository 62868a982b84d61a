// The settings files on real failing disks: the settings dialog's OK runs in
// a process of its own (helpers/settings_ok.cpp) on real files, under a
// file-size limit, in a read-only folder, with a settings file replaced by a
// folder or made unreadable, through symbolic links, and with a file that
// another program rewrites meanwhile.  Whatever fails, each file is either
// the old one or the complete new one, no temporary file stays, the run is
// not killed, the message names the file and the exit code is 1.
//
// Run as root, the runs are made as the user "nobody", for whom the
// permission bits count.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>
#include <string>

#include "common/profile.h"
#include "run_process.h"

namespace {

namespace fs = std::filesystem;
using corvane::test::ProcessOptions;
using corvane::test::ProcessResult;
using corvane::test::run_process;

constexpr unsigned kNobody = 65534;

const std::string kOldIni = "; the user's note\r\n[Setup]\r\nElement=1\r\nAttribute=0\r\nValue=0\r\n[Other]\r\nkeep=\x83\x5c\r\n";
const std::string kNewIni = "; the user's note\r\n[Setup]\r\nElement=0\r\nAttribute=1\r\nValue=1\r\n[Other]\r\nkeep=\x83\x5c\r\n";
const std::string kOldPld = "[Menu00]\r\nM00=00,old\r\n[User]\r\nmine=\x95\x5c\r\n";

bool as_root() { return geteuid() == 0; }

std::string slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// A scratch folder that the run's user owns.
class Folder {
public:
    Folder() {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("corvane-disk-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(dir_);
        own(dir_);
    }
    ~Folder() {
        std::error_code ec;
        for (auto it = fs::recursive_directory_iterator(dir_, ec); it != fs::recursive_directory_iterator(); ++it)
            if (!it->is_symlink()) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir_, ec);
    }
    const fs::path& dir() const { return dir_; }
    fs::path operator/(const std::string& name) const { return dir_ / name; }
    void put(const fs::path& p, const std::string& bytes) const {
        std::ofstream(p, std::ios::binary | std::ios::trunc) << bytes;
        own(p);
    }
    void mkdir(const fs::path& p) const {
        fs::create_directories(p);
        own(p);
    }
    static void own(const fs::path& p) {
        if (as_root() && lchown(p.c_str(), kNobody, kNobody) != 0) throw std::runtime_error("chown failed");
    }

private:
    fs::path dir_;
};

ProcessResult run_ok(const fs::path& dir, long long limit = -1, const std::string& new_ini = {}) {
    ProcessOptions o;
    o.args = {dir.string(), "0", "1", "1"};
    if (!new_ini.empty()) o.args.push_back(new_ini);
    if (as_root()) o.uid = kNobody;
    o.file_size_limit = limit;
    return run_process(SETTINGS_OK_EXE, o);
}

void expect_no_temp_file(const fs::path& dir) {
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_NE(e.path().extension(), ".tmp") << "temporary file left: " << e.path();
}

// The new menu data, as a run that succeeds writes it over kOldPld.
const std::string& new_pld() {
    static const std::string bytes = [] {
        Folder f;
        f.put(f / "Corvane.ini", kOldIni);
        f.put(f / "Corvane.pld", kOldPld);
        ProcessResult r = run_ok(f.dir());
        if (r.exit_code != 0) throw std::runtime_error("the reference run failed: " + r.err);
        return slurp(f / "Corvane.pld");
    }();
    return bytes;
}

TEST(FailingDisk, EachFileIsOldOrCompleteNewAndTheRunSaysWhichFailed) {
    ASSERT_GT(new_pld().size(), 4096u);
    ASSERT_NE(new_pld().find("[User]\r\nmine=\x95\x5c\r\n"), std::string::npos);
    enum Content { Old, New, AFolder };
    struct Case {
        const char* name;
        std::function<void(const Folder&)> prepare;
        long long limit;
        Content ini, pld;
        const char* failed;  // the file the message names; nullptr: none fails
    };
    const Case cases[] = {
        {"a disk that fills up while the menu data is written", nullptr, 2048, New, Old, "Corvane.pld"},
        {"a disk too full for the settings", nullptr, 64, Old, Old, "Corvane.ini"},
        {"a read-only folder", [](const Folder& f) { fs::permissions(f.dir(), fs::perms(0555)); }, -1, Old, Old,
         "Corvane.ini"},
        {"a read-only settings file",
         [](const Folder& f) { fs::permissions(f / "Corvane.ini", fs::perms(0444)); }, -1, Old, Old, "Corvane.ini"},
        {"an unreadable settings file",
         [](const Folder& f) { fs::permissions(f / "Corvane.ini", fs::perms(0)); }, -1, Old, Old, "Corvane.ini"},
        {"an unreadable menu data file",
         [](const Folder& f) { fs::permissions(f / "Corvane.pld", fs::perms(0)); }, -1, New, Old, "Corvane.pld"},
        {"the settings file replaced by a folder",
         [](const Folder& f) {
             fs::remove(f / "Corvane.ini");
             f.mkdir(f / "Corvane.ini");
         },
         -1, AFolder, Old, "Corvane.ini"},
        {"the menu data file replaced by a folder",
         [](const Folder& f) {
             fs::remove(f / "Corvane.pld");
             f.mkdir(f / "Corvane.pld");
         },
         -1, New, AFolder, "Corvane.pld"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Folder f;
        f.put(f / "Corvane.ini", kOldIni);
        f.put(f / "Corvane.pld", kOldPld);
        if (c.prepare) c.prepare(f);
        const ProcessResult r = run_ok(f.dir(), c.limit);
        fs::permissions(f.dir(), fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(r.signal, 0) << "the run was killed";
        EXPECT_EQ(r.exit_code, c.failed ? 1 : 0) << r.err;
        const std::string message = "error: " + (f / c.failed).string() + " に書き込めません\n";
        EXPECT_EQ(r.err, message);
        for (auto [name, want, old, neu] : {std::tuple{"Corvane.ini", c.ini, kOldIni, kNewIni},
                                            std::tuple{"Corvane.pld", c.pld, kOldPld, new_pld()}}) {
            const fs::path p = f / name;
            if (want == AFolder) {
                EXPECT_TRUE(fs::is_directory(p)) << name;
                continue;
            }
            fs::permissions(p, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add);
            EXPECT_TRUE(slurp(p) == (want == Old ? old : neu)) << name << " is neither as wanted: " << slurp(p).size()
                                                              << " bytes";
        }
        expect_no_temp_file(f.dir());
    }
}

// Links stay links, and the files they lead to get the new settings, as an
// editor saves through a link.
TEST(FailingDisk, SymbolicLinksStayAndTheirTargetsGetTheNewContent) {
    Folder f;
    f.mkdir(f / "real");
    f.put(f / "real" / "settings.ini", kOldIni);
    f.put(f / "real" / "menu.pld", kOldPld);
    f.mkdir(f / "prog");
    fs::create_symlink("../real/settings.ini", f / "prog" / "Corvane.ini");
    fs::create_symlink(f / "real" / "menu.pld", f / "prog" / "Corvane.pld");
    Folder::own(f / "prog" / "Corvane.ini");
    Folder::own(f / "prog" / "Corvane.pld");
    const ProcessResult r = run_ok(f / "prog");
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_TRUE(fs::is_symlink(f / "prog" / "Corvane.ini"));
    EXPECT_TRUE(fs::is_symlink(f / "prog" / "Corvane.pld"));
    EXPECT_EQ(fs::read_symlink(f / "prog" / "Corvane.ini"), "../real/settings.ini");
    EXPECT_TRUE(slurp(f / "real" / "settings.ini") == kNewIni);
    EXPECT_TRUE(slurp(f / "real" / "menu.pld") == new_pld());
    expect_no_temp_file(f / "prog");
    expect_no_temp_file(f / "real");
}

// Another program rewrites the settings file after the dialog read it: OK
// reads it again and writes its keys into the file as it now is, keeping
// everything the other program wrote.
TEST(FailingDisk, AFileChangedAfterReadingKeepsTheOtherWrite) {
    Folder f;
    f.put(f / "Corvane.ini", kOldIni);
    f.put(f / "Corvane.pld", kOldPld);
    f.put(f / "other.ini", "[Setup]\r\nElement=1\r\n[Added]\r\nby=other\r\n");
    const ProcessResult r = run_ok(f.dir(), -1, (f / "other.ini").string());
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(slurp(f / "Corvane.ini"), "[Setup]\r\nElement=0\r\nAttribute=1\r\nValue=1\r\n[Added]\r\nby=other\r\n");
    expect_no_temp_file(f.dir());
}

// A reader that opens the file while another process saves it again and
// again sees the old bytes or the new ones, never a mix or a cut.
TEST(FailingDisk, AReaderDuringSavesSeesOneWholeFile) {
    Folder f;
    const std::string a = "[Setup]\r\nElement=0\r\n" + std::string(20000, 'a') + "\r\n";
    const std::string b = "[Setup]\r\nElement=1\r\n" + std::string(30000, 'b') + "\r\n";
    const std::string path = (f / "Corvane.ini").string();
    f.put(path, a);
    const pid_t writer = fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        for (int i = 0; i < 300; ++i) {
            corvane::ProfileFile file(path);
            file.write_string("Setup", "Element", i % 2 ? "0" : "1");
            file.write_string("Setup", "Fill", std::string(i % 2 ? 1000 : 3000, 'x'));
            try {
                file.save();
            } catch (...) {
                _exit(1);
            }
        }
        _exit(0);
    }
    int seen = 0, status = 0;
    while (waitpid(writer, &status, WNOHANG) == 0) {
        const std::string bytes = slurp(path);
        const std::string fill = bytes.substr(bytes.rfind("Fill=") == std::string::npos ? 0 : bytes.rfind("Fill=") + 5);
        const bool whole = bytes == a || bytes == b ||
                           ((fill == std::string(1000, 'x') + "\r\n" || fill == std::string(3000, 'x') + "\r\n") &&
                            bytes.rfind("[Setup]\r\nElement=", 0) == 0);
        ASSERT_TRUE(whole) << "a reader saw " << bytes.size() << " bytes of a file being written";
        ++seen;
    }
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_GT(seen, 0);
    expect_no_temp_file(f.dir());
}

}  // namespace
