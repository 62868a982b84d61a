// Where a copy of the program keeps its module and its settings.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <map>

#include "common/launcher.h"
#include "common/sysinfo.h"
#include "scratch_files.h"

using namespace corvane;
using namespace corvane::testing_files;
namespace fs = std::filesystem;

#ifndef _WIN32

TEST(ProgramLayout, FollowsWhatLiesBesideTheProgram) {
    struct Case {
        const char* what;
        std::vector<std::string> files;  // relative to the prefix; the program is in bin/
        Layout expected;
    };
    const std::string module = CORVANE_WINDOW_PROGRAM;
    const std::string privately = fs::relative(private_lib_folder("/p/bin"), "/p").lexically_normal().string() + "/" + module;
    const Case cases[] = {
        {"a build tree: the window program beside the program", {"bin/corvane", "bin/" + module}, Layout::Beside},
        {"installed: the window program in the private folder", {"bin/corvane", privately}, Layout::Installed},
        {"a Corvane.ini beside makes any copy portable", {"bin/corvane", "bin/Corvane.ini", privately}, Layout::Beside},
        {"the window program beside wins over a private folder", {"bin/corvane", "bin/" + module, privately}, Layout::Beside},
        {"nothing beside the program", {"bin/corvane"}, Layout::Beside},
        {"a private folder without the window program", {"bin/corvane", fs::path(privately).parent_path().string() + "/other.so"},
         Layout::Beside},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        for (const std::string& f : c.files) {
            fs::create_directories(fs::path(dir.file(f)).parent_path());
            spit(dir.file(f), "x");
        }
        EXPECT_EQ(layout_of(dir.file("bin")), c.expected) << c.what;
    }
    // A folder named like the window program is not the program.
    ScratchDir dir;
    fs::create_directories(dir.file("bin/" + module));
    fs::create_directories(dir.file(privately));
    EXPECT_EQ(layout_of(dir.file("bin")), Layout::Beside);
}

TEST(ProgramLayout, TheBuiltProgramKeepsEverythingBesideItself) {
    EXPECT_EQ(settings_folder(), program_dir());
}

TEST(UserSettingsFolder, FollowsXdgConfigHomeThenHome) {
    struct Case {
        std::map<std::string, std::string> env;
        std::string expected;  // "" : the password database's home
    };
    const Case cases[] = {
        {{{"XDG_CONFIG_HOME", "/x/cfg"}, {"HOME", "/home/u"}}, "/x/cfg/corvane"},
        {{{"XDG_CONFIG_HOME", "/"}, {"HOME", "/home/u"}}, "/corvane"},
        {{{"HOME", "/home/u"}}, "/home/u/.config/corvane"},
        {{{"XDG_CONFIG_HOME", ""}, {"HOME", "/home/u"}}, "/home/u/.config/corvane"},
        {{{"XDG_CONFIG_HOME", "relative/cfg"}, {"HOME", "/home/u"}}, "/home/u/.config/corvane"},
        {{{"HOME", "/"}}, "/.config/corvane"},
        {{}, ""},
        {{{"HOME", "not/absolute"}}, ""},
    };
    for (const Case& c : cases) {
        auto env = [&](const char* name) -> const char* {
            auto it = c.env.find(name);
            return it == c.env.end() ? nullptr : it->second.c_str();
        };
        const std::string got = user_settings_folder(env);
        if (c.expected.empty()) {
            EXPECT_TRUE(got.ends_with("/.config/corvane") && got[0] == '/') << got;
        } else {
            EXPECT_EQ(got, c.expected);
        }
    }
}

TEST(MakeFolders, CreatesMissingParentsPrivatelyAndReportsWhatStandsInTheWay) {
    ScratchDir dir;
    const std::string deep = dir.file("a/b/corvane");
    ASSERT_TRUE(make_folders(deep));
    for (const std::string& f : {dir.file("a"), dir.file("a/b"), deep}) {
        struct stat st;
        ASSERT_EQ(stat(f.c_str(), &st), 0) << f;
        EXPECT_EQ(st.st_mode & 0777, 0700u) << f;
    }
    EXPECT_TRUE(make_folders(deep));            // already there
    EXPECT_TRUE(make_folders(deep + "/"));      // a trailing separator
    spit(dir.file("file"), "x");
    EXPECT_FALSE(make_folders(dir.file("file")));
    EXPECT_FALSE(make_folders(dir.file("file/corvane")));
    if (geteuid() != 0) {
        fs::create_directories(dir.file("locked"));
        fs::permissions(dir.file("locked"), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_FALSE(make_folders(dir.file("locked/corvane")));
    }
}

#endif
