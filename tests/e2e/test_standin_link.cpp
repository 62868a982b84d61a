// The stand-in editor link's contract, seen from outside: environment,
// standard input, and the one write of the replacement on standard output.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

#include "run_process.h"

namespace {

using corvane::test::ProcessOptions;
using corvane::test::run_process;
using corvane::test::StdinKind;

int count_lines(const std::string& s) {
    int n = 0;
    for (char c : s) n += c == '\n';
    return n;
}

TEST(StandinLink, UnknownValueWarnsOnceAndFallsBackToTheDefault) {
    struct Case {
        const char* var;
        const char* value;
    };
    for (Case c : {Case{"PELINOR_EOL", "CRLF"}, Case{"PELINOR_EOL", ""}, Case{"PELINOR_EOL", "\\r\\n"},
                   Case{"PELINOR_ENCODING", "shift_jis"}, Case{"PELINOR_ENCODING", "UTF-8"},
                   Case{"PELINOR_CARET", "10"}, Case{"PELINOR_CARET", "10,20,30"},
                   Case{"PELINOR_CARET", "x,y"}, Case{"PELINOR_CARET", "10 ,20"}}) {
        SCOPED_TRACE(std::string(c.var) + "=" + c.value);
        ProcessOptions o;
        o.args = {"/COMMENT"};
        o.env[c.var] = c.value;
        o.input = "a\r\nb";
        auto r = run_process(CORVANE_EXE, o);
        EXPECT_EQ(r.exit_code, 0);
        EXPECT_EQ(count_lines(r.err), 1) << r.err;
        EXPECT_NE(r.err.find(c.var), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(std::string("\"") + c.value + "\""), std::string::npos) << r.err;
        // The run goes on with the default: LF as the host's line break.
        EXPECT_EQ(r.out, "<!-- \na\r\nb -->");
    }
}

TEST(StandinLink, KnownValuesGiveNoWarning) {
    for (auto [var, value] : {std::pair{"PELINOR_EOL", "lf"}, {"PELINOR_EOL", "cr"}, {"PELINOR_EOL", "crlf"},
                              {"PELINOR_ENCODING", "utf-8"}, {"PELINOR_ENCODING", "cp932"},
                              {"PELINOR_CARET", "0,0"}, {"PELINOR_CARET", "-20,1200"},
                              {"PELINOR_FILE", "/tmp/page.htm"}, {"PELINOR_FILE", ""}}) {
        ProcessOptions o;
        o.args = {"/COMMENT"};
        o.env[var] = value;
        o.input = "x";
        auto r = run_process(CORVANE_EXE, o);
        EXPECT_EQ(r.exit_code, 0) << var << "=" << value;
        EXPECT_EQ(r.err, "") << var << "=" << value;
        EXPECT_EQ(r.out, "<!-- x -->") << var << "=" << value;
    }
}

TEST(StandinLink, TerminalInputIsAnEmptySelection) {
    // Standard input is a terminal that never sends anything: the link must
    // not wait for it.
    ProcessOptions o;
    o.args = {"/COMMENT"};
    o.stdin_kind = StdinKind::Terminal;
    o.timeout_ms = 10000;
    corvane::test::ProcessResult r;
    try {
        r = run_process(CORVANE_EXE, o);
    } catch (const std::runtime_error& e) {
        GTEST_SKIP() << e.what();  // a system without pseudo-terminals
    }
    EXPECT_EQ(r.signal, 0) << "killed: the link waited for the terminal";
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "<!--  -->");
}

// A bad switch ends the run without pelr_SetData: the selection comes back
// unchanged, so an editor filtering through Corvane never loses it.  Without
// a display to click the error box on, the message goes to standard error.
TEST(StandinLink, BadSwitchHandsTheSelectionBack) {
    const std::string sel = std::string("keep \x95\x5C me\r\n\0tail", 17);
    for (std::string arg : {"/font", "/Font", "/comment", "/COMMENTS", " /COMMENT", "/COMMENT ", "",
                            "/UNKNOWN", "FONT", "-reverse", "-platform"}) {
        SCOPED_TRACE("argument '" + arg + "'");
        ProcessOptions o;
        o.args = {arg, "/COMMENT"};
        o.env["QT_QPA_PLATFORM"] = "offscreen";
        o.input = sel;
        auto r = run_process(CORVANE_EXE, o);
        EXPECT_EQ(r.exit_code, 255);
        EXPECT_TRUE(r.out == sel) << "stdout: " << r.out;
        EXPECT_NE(r.err.find("パラメータエラー ( " + arg + " )"), std::string::npos)
            << "stderr: " << r.err;
    }
}

// With no display at all, a run that needs a window says so on one line
// and hands the selection back instead of aborting inside Qt.
TEST(StandinLink, NoDisplayIsReportedNotAborted) {
    struct Case {
        std::vector<std::string> args;
        std::optional<std::string> display;  // unset, or one nobody serves
        int exit_code;
        const char* err;
    };
    const Case cases[] = {
        {{"/FONT"}, std::nullopt, 1, "no display"},
        {{}, std::nullopt, 1, "no display"},
        {{"/font"}, std::nullopt, 255, "パラメータエラー ( /font )\nPelinorデータの指定誤り"},
        {{"/FONT"}, ":77", 1, "cannot connect to DISPLAY=:77"},
        {{"/Font"}, ":77", 255, "パラメータエラー ( /Font )"},
    };
    for (const Case& c : cases) {
        ProcessOptions o;
        o.args = c.args;
        o.env["QT_QPA_PLATFORM"] = std::nullopt;
        o.env["DISPLAY"] = c.display;
        o.env["WAYLAND_DISPLAY"] = std::nullopt;
        o.input = "sel";
        auto r = run_process(CORVANE_EXE, o);
        EXPECT_EQ(r.signal, 0);
        EXPECT_EQ(r.exit_code, c.exit_code);
        EXPECT_EQ(r.out, "sel");
        EXPECT_NE(r.err.find(c.err), std::string::npos) << "stderr: " << r.err;
    }
}

// A run that a signal ends, by a crash or from outside, still hands the
// selection back; the signal still ends it.
TEST(StandinLink, SignalHandsTheSelectionBack) {
    const std::string sel = "keep\r\nme";
    for (auto [sig, stdin_kind] : {std::pair{SIGTERM, StdinKind::Pipe}, {SIGINT, StdinKind::Pipe},
                                   {SIGHUP, StdinKind::Pipe}, {SIGSEGV, StdinKind::Pipe},
                                   {SIGABRT, StdinKind::Pipe}, {SIGTERM, StdinKind::File},
                                   {SIGSEGV, StdinKind::File}}) {
        SCOPED_TRACE(std::string(strsignal(sig)) + (stdin_kind == StdinKind::File ? ", from a file" : ""));
        ProcessOptions o;
        o.args = {"/FONT"};  // a dialog that nobody answers
        o.env["QT_QPA_PLATFORM"] = "offscreen";
        o.input = sel;
        o.stdin_kind = stdin_kind;
        o.timeout_ms = 500;
        o.timeout_signal = sig;
        auto r = run_process(CORVANE_EXE, o);
        EXPECT_EQ(r.signal, sig);
        EXPECT_EQ(r.out, sel);
    }
}

}  // namespace

// A large text may go to a pipe without being copied on the way; the caller
// may change its memory as soon as pelr_SetData returns, and the reader
// must still get the texts as they were handed over, however late it reads.
TEST(StandinLink, HandedOverTextsAreTheirsAtOnce) {
    for (size_t size : {size_t(1000), size_t(3) << 20}) {
        ProcessOptions o;
        o.args = {std::to_string(size)};
        o.slow_reader = true;
        auto r = run_process(REUSE_AFTER_SET_EXE, o);
        std::string want(size, '\0');
        for (size_t i = 0; i < size; ++i) want[i] = static_cast<char>('a' + i % 26);
        EXPECT_EQ(r.exit_code, 0);
        want += "<end>";
        const size_t differs = std::mismatch(want.begin(), want.end(), r.out.begin(), r.out.end()).first - want.begin();
        EXPECT_TRUE(r.out == want) << size << " bytes: got " << r.out.size() << ", the first changed at " << differs;
    }
}

// A non-blocking output pipe that a slow reader keeps full: every byte of
// the replacement still arrives, from a file or a pipe on standard input.
TEST(StandinLink, ANonBlockingOutputGetsTheWholeReplacement) {
    for (StdinKind in : {StdinKind::File, StdinKind::Pipe}) {
        ProcessOptions o;
        o.args = {"/COMMENT"};
        o.input.assign(size_t(3) << 20, 'x');
        o.stdin_kind = in;
        o.slow_reader = true;
        o.nonblocking_output = true;
        auto r = run_process(CORVANE_EXE, o);
        EXPECT_EQ(r.exit_code, 0) << r.err;
        EXPECT_TRUE(r.out == "<!-- " + o.input + " -->") << "got " << r.out.size() << " bytes";
    }
}

// Editors hand a filter its input as a file: the stand-in reads it from
// where standard input stands, only when asked, and hands it back whole.
TEST(StandinLink, SelectionFromARegularFile) {
    const std::string big = [] {
        std::string s;
        for (int i = 0; s.size() < (size_t(3) << 20); ++i) s += "<p>line " + std::to_string(i) + " 表示</p>\n";
        return s;
    }();
    struct Case {
        const char* what;
        std::vector<std::string> args;
        std::string input;
        long offset;
        int exit_code;
        std::string out;
    };
    const Case cases[] = {
        {"comment", {"/COMMENT"}, "abc", 0, 0, "<!-- abc -->"},
        {"from the current offset", {"/COMMENT"}, "skip:abc", 5, 0, "<!-- abc -->"},
        {"offset at the end", {"/COMMENT"}, "abc", 3, 0, "<!--  -->"},
        {"uncomment", {"/COMMENT"}, "<!-- abc -->", 0, 0, "abc"},
        {"bad switch hands back every byte", {"/font"}, std::string("a\0b\r\n", 5), 0, 255,
         std::string("a\0b\r\n", 5)},
        {"large selection", {"/COMMENT"}, big, 0, 0, "<!-- " + big + " -->"},
        {"large selection handed back", {"/font"}, big, 0, 255, big},
    };
    for (const Case& c : cases) {
        ProcessOptions o;
        o.args = c.args;
        o.env["QT_QPA_PLATFORM"] = "offscreen";
        o.input = c.input;
        o.stdin_kind = StdinKind::File;
        o.file_offset = c.offset;
        auto r = run_process(CORVANE_EXE, o);
        EXPECT_EQ(r.exit_code, c.exit_code) << c.what;
        EXPECT_TRUE(r.out == c.out) << c.what << ": " << r.out.substr(0, 80);
    }
}
