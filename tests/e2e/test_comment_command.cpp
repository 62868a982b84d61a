// The built corvane with the stand-in link, run as a filter: /COMMENT takes
// the selection on standard input and writes its replacement, byte for byte.
#include <gtest/gtest.h>

#include <string>

#include "run_process.h"

namespace {

using corvane::test::ProcessOptions;
using corvane::test::run_process;

struct Case {
    const char* name;
    const char* eol;       // PELINOR_EOL, nullptr = unset
    const char* encoding;  // PELINOR_ENCODING, nullptr = unset
    std::string in;
    std::string out;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

// CP932 bytes: 表 95 5C and ソ 83 5C carry a backslash as trail byte; 示 8E A6.
const std::string kHyoujiCp932 = "\x95\x5C\x8E\xA6";
const std::string kSoCp932 = "\x83\x5C";
const std::string kHyoujiUtf8 = "\xE8\xA1\xA8\xE7\xA4\xBA";

class CommentCommand : public testing::TestWithParam<Case> {};

TEST_P(CommentCommand, WritesTheReplacementBytes) {
    const Case& c = GetParam();
    ProcessOptions o;
    o.args = {"/COMMENT"};
    if (c.eol) o.env["PELINOR_EOL"] = c.eol;
    if (c.encoding) o.env["PELINOR_ENCODING"] = c.encoding;
    o.input = c.in;
    auto r = run_process(CORVANE_EXE, o);
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, c.out);
    // Only a selection with a NUL byte makes the stand-in say something.
    if (c.in.find('\0') == std::string::npos) EXPECT_EQ(r.err, "");
    else EXPECT_NE(r.err.find("holds a NUL byte"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, CommentCommand,
    testing::Values(
        Case{"Word", nullptr, nullptr, "abc", "<!-- abc -->"},
        Case{"EmptyInput", nullptr, nullptr, "", "<!--  -->"},
        Case{"CrLfHostBreak", "crlf", nullptr, "line1\r\nline2\r\n", "<!-- \r\nline1\r\nline2\r\n -->\r\n"},
        // The default line break is LF; the decision is still taken on CR LF.
        Case{"DefaultLfHostBreak", nullptr, nullptr, "line1\r\nline2\r\n", "<!-- \nline1\r\nline2\r\n -->\n"},
        Case{"CrHostBreak", "cr", nullptr, "a\r\nb", "<!-- \ra\r\nb -->"},
        Case{"LfOnlySelectionIsOneLine", "crlf", nullptr, "a\nb\n", "<!-- a\nb\n -->"},
        Case{"Uncomment", nullptr, nullptr, "<!-- abc -->", "abc"},
        Case{"UncommentKeepsTextAfter", "crlf", nullptr, "<!-- \r\nline1\r\n -->\r\nrest", "line1\r\nrest"},
        Case{"NoCloserComesBack", nullptr, nullptr, "<!-- no end", "<!-- no end"},
        // The program sees the host's text up to its first NUL; a
        // replacement made of that part would lose the rest, so the stand-in
        // hands the whole selection back instead.
        Case{"CutAtNul", nullptr, nullptr, std::string("ab\0cd", 5), std::string("ab\0cd", 5)},
        Case{"LeadingNul", nullptr, nullptr, std::string("\0abc", 4), std::string("\0abc", 4)},
        Case{"NulAfterAComment", nullptr, nullptr, std::string("<!-- x -->\0tail", 15), std::string("<!-- x -->\0tail", 15)},
        Case{"Cp932Selection", nullptr, "cp932", kHyoujiCp932 + kSoCp932, "<!-- " + kHyoujiCp932 + kSoCp932 + " -->"},
        Case{"Cp932Uncomment", "crlf", "cp932", "<!--" + kHyoujiCp932 + "\r\n-->\r\n" + kSoCp932,
             kHyoujiCp932 + "\r\n" + kSoCp932},
        Case{"Cp932BytesUnderUtf8", nullptr, "utf-8", kHyoujiCp932, "<!-- " + kHyoujiCp932 + " -->"},
        Case{"Utf8Selection", nullptr, "utf-8", kHyoujiUtf8, "<!-- " + kHyoujiUtf8 + " -->"},
        Case{"InvalidUtf8PassesThrough", nullptr, nullptr, "\xFF\xFE\x80", "<!-- \xFF\xFE\x80 -->"}),
    [](const testing::TestParamInfo<Case>& row) { return std::string(row.param.name); });

TEST(CommentCommandE2E, LaterArgumentsAreIgnored) {
    for (auto extra : {std::vector<std::string>{"extra"}, {"/FONT", "x"}, {""}}) {
        ProcessOptions o;
        o.args = {"/COMMENT"};
        o.args.insert(o.args.end(), extra.begin(), extra.end());
        o.input = "abc";
        auto r = run_process(CORVANE_EXE, o);
        EXPECT_EQ(r.exit_code, 0) << extra[0];
        EXPECT_EQ(r.out, "<!-- abc -->") << extra[0];
    }
}

TEST(CommentCommandE2E, NeedsNoDisplay) {
    ProcessOptions o;
    o.args = {"/COMMENT"};
    o.env["DISPLAY"] = std::nullopt;
    o.env["WAYLAND_DISPLAY"] = std::nullopt;
    o.env["QT_QPA_PLATFORM"] = std::nullopt;
    o.input = "x";
    auto r = run_process(CORVANE_EXE, o);
    EXPECT_EQ(r.exit_code, 0);
    EXPECT_EQ(r.out, "<!-- x -->");
    EXPECT_EQ(r.err, "");
}

TEST(CommentCommandE2E, LargeSelectionRoundTrips) {
    // 4 MiB of multi-line text: commented, then the output uncommented again.
    std::string sel;
    while (sel.size() < (4u << 20)) sel += "<p>line " + std::to_string(sel.size()) + "</p>\r\n";
    ProcessOptions o;
    o.args = {"/COMMENT"};
    o.env["PELINOR_EOL"] = "crlf";
    o.input = sel;
    auto first = run_process(CORVANE_EXE, o);
    ASSERT_EQ(first.exit_code, 0);
    EXPECT_EQ(first.out, "<!-- \r\n" + sel + " -->\r\n");
    o.input = first.out;
    auto second = run_process(CORVANE_EXE, o);
    ASSERT_EQ(second.exit_code, 0);
    EXPECT_TRUE(second.out == sel) << "round trip lost bytes; size " << second.out.size();
}

}  // namespace
