// The comment toggle on host bytes, and the order of its calls to the host.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "comment/comment.h"
#include "host/hostlink.h"

namespace corvane {
namespace {

struct ToggleCase {
    const char* name;
    std::string selection;
    std::string eol;
    std::string start;
    std::string end;
};

void PrintTo(const ToggleCase& c, std::ostream* os) { *os << c.name; }

class Toggle : public testing::TestWithParam<ToggleCase> {};

TEST_P(Toggle, GivesStartAndEndText) {
    const ToggleCase& c = GetParam();
    CommentResult r = toggle_comment(c.selection, c.eol);
    EXPECT_EQ(r.start, c.start);
    EXPECT_EQ(r.end, c.end);
}

// The command builds its texts in place in the host's buffer; it must give
// the same texts as the toggle.
void expect_command_gives(const std::string& selection, const std::string& eol, const std::string& start,
                          const std::string& end);

TEST_P(Toggle, CommandHandsTheSameTextsToTheHost) {
    const ToggleCase& c = GetParam();
    expect_command_gives(c.selection, c.eol, c.start, c.end);
}

const std::string CRLF = "\r\n";

INSTANTIATE_TEST_SUITE_P(
    Examples, Toggle,
    testing::Values(
        // Commenting
        ToggleCase{"Word", "abc", CRLF, "<!-- abc", " -->"},
        ToggleCase{"LinesWithFinalBreak", "line1\r\nline2\r\n", CRLF, "<!-- \r\nline1\r\nline2\r\n", " -->\r\n"},
        ToggleCase{"LinesWithoutFinalBreak", "line1\r\nline2", CRLF, "<!-- \r\nline1\r\nline2", " -->"},
        ToggleCase{"Empty", "", CRLF, "<!-- ", " -->"},
        ToggleCase{"SingleCrLf", "\r\n", CRLF, "<!-- \r\n\r\n", " -->\r\n"},
        ToggleCase{"SingleCrLfHostLf", "\r\n", "\n", "<!-- \n\r\n", " -->\n"},
        // The decision is taken on CR LF; the host's own break is inserted.
        ToggleCase{"HostLf", "a\r\nb\r\n", "\n", "<!-- \na\r\nb\r\n", " -->\n"},
        ToggleCase{"HostCr", "a\r\nb", "\r", "<!-- \ra\r\nb", " -->"},
        ToggleCase{"LfOnlyIsOneLine", "a\nb\n", "\n", "<!-- a\nb\n", " -->"},
        ToggleCase{"CrOnlyIsOneLine", "a\rb\r", "\r", "<!-- a\rb\r", " -->"},
        ToggleCase{"LoneCrAtEnd", "a\r", CRLF, "<!-- a\r", " -->"},
        ToggleCase{"EmptyHostBreak", "a\r\n", "", "<!-- a\r\n", " -->"},
        // Only a selection that starts with the opener is uncommented.
        ToggleCase{"BlankBeforeOpener", " <!-- a -->", CRLF, "<!--  <!-- a -->", " -->"},
        ToggleCase{"BreakBeforeOpener", "\r\n<!-- a -->", CRLF, "<!-- \r\n\r\n<!-- a -->", " -->"},
        ToggleCase{"HalfOpener", "<!- a -->", CRLF, "<!-- <!- a -->", " -->"},
        // Uncommenting
        ToggleCase{"UncommentWord", "<!-- abc -->", CRLF, "abc", ""},
        ToggleCase{"UncommentLinesTextAfter", "<!-- \r\nline1\r\n -->\r\nrest", CRLF, "line1", "\r\nrest"},
        ToggleCase{"UncommentLinesNothingAfter", "<!-- \r\nline1\r\n -->", CRLF, "line1\r\n", ""},
        ToggleCase{"OnlyFirstComment", "<!--abc-->xyz-->", CRLF, "abc", "xyz-->"},
        ToggleCase{"NoCloser", "<!-- no end", CRLF, "<!-- no end", ""},
        ToggleCase{"BareOpener", "<!--", CRLF, "<!--", ""},
        ToggleCase{"Overlap", "<!-->", CRLF, "", ""},
        ToggleCase{"OverlapDash", "<!--->", CRLF, "", ""},
        ToggleCase{"EmptyComment", "<!---->", CRLF, "", ""},
        ToggleCase{"BlankComment", "<!-- -->", CRLF, "", ""},
        ToggleCase{"OverlapTextAfter", "<!-->\r\nx", CRLF, "", "\r\nx"},
        ToggleCase{"BreakCloserTextAfter", "<!--\r\nline1\r\n-->\r\nrest", CRLF, "line1", "\r\nrest"},
        ToggleCase{"BreakCloserNothingAfter", "<!--\r\nline1\r\n-->", CRLF, "line1\r\n", ""},
        // The text after the closer must begin with CR LF for the break to go.
        ToggleCase{"BreakCloserLfAfter", "<!-- \r\nline1\r\n -->\nrest", CRLF, "line1\r\n", "\nrest"},
        ToggleCase{"BreakCloserBlankAfter", "<!-- \r\nline1\r\n --> x", CRLF, "line1\r\n", " x"},
        ToggleCase{"OpenerWithBlankOnly", "<!-- a-->", CRLF, "a", ""},
        ToggleCase{"OneOpenerRemoved", "<!--<!-- a -->", CRLF, "<!-- a", ""},
        ToggleCase{"LfIsNotABreak", "<!-- \na\n -->", CRLF, "\na\n", ""},
        // The host's break plays no part in uncommenting.
        ToggleCase{"UncommentHostLf", "<!-- \r\nline1\r\n -->\r\nrest", "\n", "line1", "\r\nrest"},
        // Shift_JIS text is passed through: 表 95 5C, ソ 83 5C.
        ToggleCase{"ShiftJisComment", "\x95\x5C\x83\x5C", CRLF, "<!-- \x95\x5C\x83\x5C", " -->"},
        ToggleCase{"ShiftJisUncomment", "<!--\x95\x5C-->\x83\x5C", CRLF, "\x95\x5C", "\x83\x5C"}),
    [](const testing::TestParamInfo<ToggleCase>& row) { return std::string(row.param.name); });

// For a selection that neither begins with the opener nor contains a closer,
// commenting and then uncommenting the whole result gives it back (host line
// break CR LF).
TEST(Toggle, CommentThenUncommentGivesTheSelectionBack) {
    for (std::string sel : std::initializer_list<std::string>{"", "abc", " ", "\r\n", "\r\n\r\n", "line1\r\nline2\r\n", "line1\r\nline2", "\r\nx",
                            "x\r\n", " x ", "--", "->", "<!-", "a\rb\nc", "-- >", "\x95\x5C\r\n\x83\x5C",
                            std::string("a\0b", 3)}) {
        CommentResult once = toggle_comment(sel, CRLF);
        CommentResult back = toggle_comment(once.start + once.end, CRLF);
        EXPECT_EQ(back.start + back.end, sel) << "selection: '" << sel << "'";
    }
}

// A host that records the calls Corvane makes and answers them from fixed
// bytes, writing its buffer the way the editor's link does.
class RecordingHost : public HostLink {
public:
    std::string eol = "\r\n";
    std::string text;          // what the host writes into the buffer (may hold NULs)
    int reported_size = -2;    // -2: the size of `text`
    std::vector<std::string> calls;
    std::string start, end;

    void SetData(const std::string& s, const std::string& e) override {
        calls.push_back("SetData");
        start = s;
        end = e;
    }
    std::string GetCRLF() override {
        calls.push_back("GetCRLF");
        return eol;
    }
    std::string GetFilePath() override {
        calls.push_back("GetFilePath");
        return "";
    }
    void GetPosAuto(int& l, int& t, int, int) override {
        calls.push_back("GetPosAuto");
        l = t = 0;
    }
    int GetPosSize(int) override {
        calls.push_back("GetPosSize");
        return 0;
    }
    int GetBufSize(int which) override {
        calls.push_back("GetBufSize(" + std::to_string(which) + ")");
        return reported_size == -2 ? static_cast<int>(text.size()) : reported_size;
    }
    std::string GetData(int size) override {
        calls.push_back("GetData(" + std::to_string(size) + ")");
        return read_host_buffer(size, [&](char* buffer) {
            std::memcpy(buffer, text.data(), text.size());
            buffer[text.size()] = '\0';
        });
    }
    CodePage code_page() const override { return CodePage::Cp932; }
};

void expect_command_gives(const std::string& selection, const std::string& eol, const std::string& start,
                          const std::string& end) {
    RecordingHost host;
    host.text = selection;
    host.eol = eol;
    run_comment_command(host);
    EXPECT_EQ(host.start, start);
    EXPECT_EQ(host.end, end);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "SetData"), 1);
}

TEST(CommentCommand, CallsTheHostInOrderAndSetsDataOnce) {
    RecordingHost host;
    host.text = "line1\r\n";
    host.eol = "\n";
    run_comment_command(host);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"GetCRLF", "GetBufSize(1)", "GetData(7)", "SetData"}));
    EXPECT_EQ(host.start, "<!-- \nline1\r\n");
    EXPECT_EQ(host.end, " -->\n");
}

TEST(CommentCommand, SelectionEndsAtTheFirstNul) {
    struct Case {
        std::string text;
        std::string start, end;
    };
    for (const Case& c : {Case{std::string("ab\0cd", 5), "<!-- ab", " -->"},
                          Case{std::string("\0<!-- x -->", 11), "<!-- ", " -->"},
                          Case{std::string("<!-- x -->\0\r\nmore", 17), "x", ""}}) {
        RecordingHost host;
        host.text = c.text;
        run_comment_command(host);
        EXPECT_EQ(host.start, c.start);
        EXPECT_EQ(host.end, c.end);
    }
}

// A long selection is walked a stretch at a time: a CR LF, a closer or a
// NUL at any place around a power-of-two size, where such a walk may cut
// it, is found as in a short selection.
TEST(CommentCommand, FindsMarksAndTheEndAnywhereInALongSelection) {
    const std::string filler(70000, 'x');
    for (size_t edge : {size_t(4096), size_t(16384), size_t(65536)}) {
        for (size_t at = edge - 3; at <= edge + 2; ++at) {
            for (std::string mark : {std::string("\r\n"), std::string("-->"), std::string(1, '\0')}) {
                for (std::string head : {"", "<!-- "}) {
                    std::string text = head + filler;
                    text.replace(at, mark.size(), mark);
                    RecordingHost host;
                    host.text = text;
                    run_comment_command(host);
                    const CommentResult want = toggle_comment(text.substr(0, text.find('\0')), host.eol);
                    ASSERT_TRUE(host.start == want.start && host.end == want.end)
                        << "mark " << testing::PrintToString(mark) << " at " << at << ", head '" << head << "'";
                }
            }
        }
    }
}

TEST(CommentCommand, NoSizeOrANegativeSizeIsAnEmptySelection) {
    for (int size : {0, -1, -2147483647 - 1}) {
        RecordingHost host;
        host.text = "";
        host.reported_size = size;
        run_comment_command(host);
        EXPECT_EQ(host.start, "<!-- ") << size;
        EXPECT_EQ(host.end, " -->") << size;
        EXPECT_EQ(host.calls.back(), "SetData");
    }
}

TEST(ReadHostBuffer, GivesTheHostSizePlusOneAndCutsAtNul) {
    size_t seen = 0;
    std::string got = read_host_buffer(4, [&](char* b) {
        seen = std::strlen(b) + 1;  // all zero: the whole buffer reads as one NUL
        std::memcpy(b, "wxyz", 5);
    });
    EXPECT_EQ(seen, 1u);
    EXPECT_EQ(got, "wxyz");
    // A host that writes less than it announced leaves the rest zero.
    EXPECT_EQ(read_host_buffer(8, [](char* b) { std::memcpy(b, "ab", 2); }), "ab");
    bool called = false;
    EXPECT_EQ(read_host_buffer(-1, [&](char*) { called = true; }), "");
    EXPECT_FALSE(called) << "the host must not be asked to fill a buffer for a negative size";
}

}  // namespace
}  // namespace corvane
