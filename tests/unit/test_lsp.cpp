// The language server's pure pieces: file: URIs, the smallest edits, the
// split of a wrapping dialog's result.
#include <gtest/gtest.h>

#include "lsp/diff.h"
#include "lsp/server.h"

namespace corvane::lsp {
namespace {

TEST(LspFilePath, FileUrisPercentDecoded) {
    const struct {
        const char* uri;
        const char* path;
    } cases[] = {
        {"file:///tmp/page.htm", "/tmp/page.htm"},
        {"file:///tmp/corvane%20lsp/%E8%A1%A8.htm", "/tmp/corvane lsp/表.htm"},
        {"file://localhost/srv/a.htm", "/srv/a.htm"},
        {"file:///a%2", "/a%2"},
        {"file:///a%00b", ""},  // a NUL cannot be in a path
        {"file://elsewhere/a.htm", ""},
        {"untitled:Untitled-1", ""},
        {"https://example.org/a.htm", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(file_path_of(c.uri), c.path) << c.uri;
}

std::string applied(std::string_view before, const std::vector<ByteEdit>& edits) {
    std::string out;
    size_t at = 0;
    for (const ByteEdit& e : edits) {
        EXPECT_GE(e.from, at);
        out.append(before.substr(at, e.from - at));
        out += e.text;
        at = e.to;
    }
    out.append(before.substr(at));
    return out;
}

TEST(LspSmallestEdits, GiveTheNewTextChangingOnlyWhatDiffers) {
    const struct {
        const char* before;
        const char* after;
        size_t edits;  // how many edits at most
        size_t bytes;  // how many bytes they replace and insert at most
    } cases[] = {
        {"abc", "abc", 0, 0},
        {"abc", "<!-- abc -->", 2, 9},
        {"<!-- abc -->", "abc", 2, 9},
        {"<img src=\"a.gif\" width=10>", "<IMG SRC=\"a.gif\" WIDTH=\"10\">", 5, 24},
        {"日本語", "日本人語", 1, 3},
        {"é", "ê", 1, 4},  // one character replaced whole, never half of it
        {"😀x", "x😀", 2, 8},
        {"", "new", 1, 3},
        {"old", "", 1, 3},
    };
    for (const auto& c : cases) {
        const std::vector<ByteEdit> e = smallest_edits(c.before, c.after);
        EXPECT_EQ(applied(c.before, e), c.after) << c.before;
        EXPECT_LE(e.size(), c.edits) << c.before;
        size_t bytes = 0;
        for (const ByteEdit& b : e) bytes += (b.to - b.from) + b.text.size();
        EXPECT_LE(bytes, c.bytes) << c.before;
    }
}

TEST(LspSplitWrapped, StartAndEndAroundTheSelection) {
    const struct {
        const char* out;
        const char* sel;
        const char* start;
        const char* end;
    } cases[] = {
        {"<FONT SIZE=\"1\">Hello</FONT>", "Hello", "<FONT SIZE=\"1\">", "</FONT>"},
        {"<B>B</B>", "B", "<B>", "</B>"},  // the selection's text also stands in a tag
        {"<UL>\n<LI>\n</UL>\n", "", "", "<UL>\n<LI>\n</UL>\n"},
    };
    for (const auto& c : cases) {
        std::string start, end;
        ASSERT_TRUE(split_wrapped(c.out, c.sel, start, end)) << c.out;
        EXPECT_EQ(start, c.start) << c.out;
        EXPECT_EQ(end, c.end) << c.out;
    }
    std::string start, end;
    EXPECT_FALSE(split_wrapped("abc", "abcd", start, end));
}

}  // namespace
}  // namespace corvane::lsp
