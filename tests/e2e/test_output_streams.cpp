// Standard output is the editor's text.  An editor that filters through
// corvane often reads both output streams through one pipe or file; then no
// message may reach that pipe or file: it goes to the controlling terminal,
// or nowhere, and the exit code still tells.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "run_process.h"

namespace {

using corvane::test::OutputKind;
using corvane::test::ProcessOptions;
using corvane::test::ProcessResult;
using corvane::test::run_process;

struct FilterRun {
    const char* name;
    std::vector<std::string> args;
    std::vector<std::pair<std::string, std::optional<std::string>>> env;
    int exit_code;
    std::string out;      // the whole output, byte for byte
    const char* message;  // a piece of the diagnostic
};

const std::optional<std::string> kUnset;

// Every run reads the selection "a" and a line break, as a line filter gives.
const FilterRun kRuns[] = {
    {"comment with an unknown line break", {"/COMMENT"}, {{"PELINOR_EOL", "bogus"}}, 0, "<!-- a\n -->",
     "PELINOR_EOL has an unknown value \"bogus\""},
    {"comment with an unknown caret", {"/COMMENT"}, {{"PELINOR_CARET", "x"}}, 0, "<!-- a\n -->", "PELINOR_CARET"},
    {"dialog without a display", {"/FONT"}, {{"DISPLAY", kUnset}}, 1, "a\n", "no display"},
    {"settings without a display", {}, {{"DISPLAY", kUnset}}, 1, "a\n", "no display"},
    {"dialog on a display nobody serves", {"/FONT"}, {{"DISPLAY", ":77"}}, 1, "a\n", "cannot connect to DISPLAY=:77"},
    {"bad switch without a display", {"/font"}, {{"DISPLAY", kUnset}}, 255, "a\n", "パラメータエラー ( /font )"},
    {"bad switch without a screen", {"/Font"}, {{"QT_QPA_PLATFORM", "offscreen"}}, 255, "a\n",
     "パラメータエラー ( /Font )"},
};

ProcessResult run_filter(const FilterRun& r, OutputKind output, bool terminal) {
    ProcessOptions o;
    o.args = r.args;
    o.env["QT_QPA_PLATFORM"] = kUnset;
    o.env["WAYLAND_DISPLAY"] = kUnset;
    for (const auto& [name, value] : r.env) o.env[name] = value;
    o.input = "a\n";
    o.output = output;
    o.controlling_terminal = terminal;
    return run_process(CORVANE_EXE, o);
}

TEST(OutputStreams, SharedOutputCarriesTheReplacementOnly) {
    for (const FilterRun& r : kRuns) {
        for (OutputKind output : {OutputKind::SharedPipe, OutputKind::SharedFile}) {
            for (bool terminal : {false, true}) {
                SCOPED_TRACE(std::string(r.name) + (output == OutputKind::SharedPipe ? ", one pipe" : ", one file") +
                             (terminal ? ", with a terminal" : ", without a terminal"));
                ProcessResult p;
                try {
                    p = run_filter(r, output, terminal);
                } catch (const std::runtime_error& e) {
                    GTEST_SKIP() << e.what();  // a system without pseudo-terminals
                }
                EXPECT_EQ(p.signal, 0);
                EXPECT_EQ(p.exit_code, r.exit_code);
                EXPECT_EQ(p.out, r.out);
                if (terminal) {
                    EXPECT_NE(p.tty.find(r.message), std::string::npos) << "terminal: " << p.tty;
                }
            }
        }
    }
}

// A standard error of its own (a terminal, a log) keeps the diagnostics.
TEST(OutputStreams, SeparateStandardErrorKeepsTheMessage) {
    for (const FilterRun& r : kRuns) {
        SCOPED_TRACE(r.name);
        ProcessResult p;
        try {
            p = run_filter(r, OutputKind::Pipes, true);
        } catch (const std::runtime_error& e) {
            GTEST_SKIP() << e.what();
        }
        EXPECT_EQ(p.exit_code, r.exit_code);
        EXPECT_EQ(p.out, r.out);
        EXPECT_NE(p.err.find(r.message), std::string::npos) << "stderr: " << p.err;
        EXPECT_EQ(p.tty, "");
    }
}

}  // namespace
