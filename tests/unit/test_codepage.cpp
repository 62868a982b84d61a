// Conversion between the program's UTF-8 and the host's code page.
#include <gtest/gtest.h>

#include <string>

#include "common/codepage.h"

namespace corvane {
namespace {

struct RoundTrip {
    const char* name;
    std::string utf8;
    std::string cp932;
};

TEST(CodePage, Cp932ConvertsBothWays) {
    for (const RoundTrip& c : {
             RoundTrip{"empty", "", ""},
             RoundTrip{"ascii", "Hello <A HREF=\"x\">~", "Hello <A HREF=\"x\">~"},
             // Trail byte 0x5C: 表 95 5C, ソ 83 5C; 示 8E A6.
             RoundTrip{"hyouji so", "表示ソ", "\x95\x5C\x8E\xA6\x83\x5C"},
             RoundTrip{"backslash stays 0x5C", "C:\\dir\\表\\a.htm", "C:\x5C" "dir\x5C\x95\x5C\x5C" "a.htm"},
             RoundTrip{"half-width katakana", "ﾃｽﾄ", "\xC3\xBD\xC4"},
             RoundTrip{"full-width forms", "ＡＢ（）", "\x82\x60\x82\x61\x81\x69\x81\x6A"},
             // Trail bytes in the ASCII letter range: ア 83 41, ビ 83 72.
             RoundTrip{"letter trail bytes", "アビ", "\x83\x41\x83\x72"},
             RoundTrip{"NEC row 13", "①", "\x87\x40"},
             RoundTrip{"control bytes", std::string("\0\r\n\t", 4), std::string("\0\r\n\t", 4)},
         }) {
        EXPECT_EQ(from_utf8(c.utf8, CodePage::Cp932), c.cp932) << c.name;
        EXPECT_EQ(to_utf8(c.cp932, CodePage::Cp932), c.utf8) << c.name;
    }
}

TEST(CodePage, Utf8PassesBytesThrough) {
    for (std::string s : {std::string(""), std::string("表示"), std::string("\x95\x5C\xFF"), std::string("a\0b", 3)}) {
        EXPECT_EQ(from_utf8(s, CodePage::Utf8), s);
        EXPECT_EQ(to_utf8(s, CodePage::Utf8), s);
        // The system's ANSI code page is a Windows notion; elsewhere the
        // host's texts are UTF-8 (the Windows side is tested under Wine).
        EXPECT_EQ(from_utf8(s, CodePage::SystemAnsi), s);
        EXPECT_EQ(to_utf8(s, CodePage::SystemAnsi), s);
    }
}

TEST(CodePage, CharacterWithoutCp932FormBecomesANumericReference) {
    struct Case {
        std::string utf8, cp932;
    };
    for (const Case& c : {
             Case{"한", "&#54620;"},
             Case{"😀", "&#128512;"},
             Case{"a😀b表", "a&#128512;b\x95\x5C"},
             Case{"€€", "&#8364;&#8364;"},
             Case{"é", "&#233;"},
             // iconv's stand-in 0x81CA reads back as U+FFE2, not U+00AC.
             Case{"\xC2\xAC", "&#172;"},
             // Bytes of no well-formed character: each one as its value,
             // and a broken-off lead takes nothing after it with it.
             Case{"\xE6\xC3\xA9", "&#230;&#233;"},
             Case{"a\xC3", "a&#195;"},
             Case{"\xC0\x80\xED\xA0\x80", "&#192;&#128;&#237;&#160;&#128;"},
         }) {
        EXPECT_EQ(from_utf8(c.utf8, CodePage::Cp932), c.cp932) << c.utf8;
    }
}

TEST(CodePage, ByteWithoutCp932MeaningBecomesAReplacementCharacter) {
    struct Case {
        std::string cp932, utf8;
    };
    for (const Case& c : {
             Case{"\xA0", "\xEF\xBF\xBD"},
             Case{"a\x80z", "a\xEF\xBF\xBDz"},
             // A lead byte with nothing after it, at the end of the text.
             Case{"\x95\x5C\x95", "表\xEF\xBF\xBD"},
             Case{"\xFD\xFE\xFF", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
         }) {
        EXPECT_EQ(to_utf8(c.cp932, CodePage::Cp932), c.utf8);
    }
}

TEST(CodePage, LongTextConvertsWhole) {
    // Longer than any one internal buffer.
    std::string utf8, cp932;
    for (int i = 0; i < 5000; ++i) {
        utf8 += "表示ソa";
        cp932 += "\x95\x5C\x8E\xA6\x83\x5C" "a";
    }
    utf8 += "😀";
    cp932 += "&#128512;";
    EXPECT_EQ(from_utf8(utf8, CodePage::Cp932), cp932);
    EXPECT_EQ(to_utf8(cp932.substr(0, cp932.size() - 9), CodePage::Cp932), utf8.substr(0, utf8.size() - 4));
}

}  // namespace
}  // namespace corvane
