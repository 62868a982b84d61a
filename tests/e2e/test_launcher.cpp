// `corvane` hands each run on to one of its halves; a copy that lacks the
// half a run needs still gives the editor its selection back unchanged, and
// says which file it could not run.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "common/launcher.h"
#include "run_process.h"

namespace {

namespace fs = std::filesystem;
using corvane::test::ProcessOptions;
using corvane::test::run_process;

TEST(Launcher, AMissingHalfHandsTheSelectionBackAndNamesTheFile) {
    struct Case {
        const char* missing;
        const char* arg;
    };
    const fs::path built = fs::path(CORVANE_EXE).parent_path();
    for (Case c : {Case{CORVANE_WINDOW_PROGRAM, "/FONT"}, Case{CORVANE_WINDOW_PROGRAM, "/nonsense"},
                   Case{CORVANE_WINDOW_PROGRAM, ""}, Case{CORVANE_TEXT_MODULE, CORVANE_COMMENT_SWITCH},
                   Case{CORVANE_TEXT_MODULE, CORVANE_LSP_SWITCH}}) {
        SCOPED_TRACE(std::string(c.arg) + " without " + c.missing);
        const fs::path dir = fs::temp_directory_path() / ("corvane-launcher-" + std::to_string(std::random_device()()));
        fs::create_directories(dir);
        for (const char* name : {"corvane", CORVANE_WINDOW_PROGRAM, CORVANE_TEXT_MODULE, CORVANE_LINK_LIBRARY})
            if (std::string(name) != c.missing) fs::copy_file(built / name, dir / name);
        ProcessOptions o;
        if (*c.arg) o.args = {c.arg};
        o.input = "<b>kept</b>\r\n";
        o.env["DISPLAY"] = std::nullopt;  // a windowed run ends at once, with the selection back
        o.env["QT_QPA_PLATFORM"] = std::nullopt;
        const auto r = run_process((dir / "corvane").string(), o);
        EXPECT_EQ(r.exit_code, 1);
        EXPECT_EQ(r.out, o.input);
        EXPECT_NE(r.err.find(std::string("corvane: ")), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(c.missing), std::string::npos) << r.err;
        fs::remove_all(dir);
    }
}

// The loader's own record of what it opened: the comment command opens the
// text module and no Qt library; a windowed run opens Qt.
TEST(Launcher, TheCommentCommandLoadsNoQt) {
    for (const char* arg : {CORVANE_COMMENT_SWITCH, "/FONT"}) {
        SCOPED_TRACE(arg);
        ProcessOptions o;
        o.args = {arg};
        o.input = "abc";
        o.env["DISPLAY"] = std::nullopt;  // a windowed run ends at once, with the selection back
        o.env["QT_QPA_PLATFORM"] = std::nullopt;
        o.env["LD_DEBUG"] = "files";
        const auto r = run_process(CORVANE_EXE, o);
        const bool comment = std::string(arg) == CORVANE_COMMENT_SWITCH;
        EXPECT_EQ(r.err.find("/" CORVANE_TEXT_MODULE " [") != std::string::npos, comment) << r.err;
        EXPECT_EQ(r.err.find("file=libQt6Core") != std::string::npos, !comment) << r.err;
    }
}

// A library file in the folder the user runs the program from is never
// loaded in place of the system's: each half looks for libraries in its own
// folder and the system's, not in the current one.
TEST(Launcher, NoLibraryIsTakenFromTheCurrentFolder) {
    const fs::path dir = fs::temp_directory_path() / ("corvane-cwd-" + std::to_string(std::random_device()()));
    fs::create_directories(dir);
    for (const char* name : {"libQt6Core.so.6", "libQt6Widgets.so.6", "libstdc++.so.6", "libc.so.6"})
        std::ofstream(dir / name) << "not a library";
    for (const char* arg : {"/FONT", CORVANE_COMMENT_SWITCH}) {
        SCOPED_TRACE(arg);
        ProcessOptions o;
        o.args = {arg};
        o.input = "abc";
        o.working_folder = dir.string();
        o.env["DISPLAY"] = std::nullopt;  // a windowed run ends at once, with the selection back
        o.env["QT_QPA_PLATFORM"] = std::nullopt;
        o.env["LD_DEBUG"] = "libs";
        const auto r = run_process(CORVANE_EXE, o);
        EXPECT_EQ(r.err.find("trying file=" + dir.string()), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("trying file=libQt6"), std::string::npos) << r.err;
        EXPECT_NE(r.out.find("abc"), std::string::npos) << r.err;
    }
    fs::remove_all(dir);
}

}  // namespace
