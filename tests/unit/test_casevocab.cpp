// Case vocabulary, the choice of form per role, whole-text case conversion
// and the loading of the three case settings.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "common/casevocab.h"

namespace corvane {
namespace {

TEST(Vocabulary, HoldsEachWordInUpperThenLowerCase) {
    const char* words[] = {
        "BR", "P", "DIV", "HR", "PRE", "H", "FONT", "BASEFONT", "B", "I", "S", "U", "TT", "BIG", "SMALL", "SUP",
        "SUB", "A", "IMG", "MAP", "AREA", "TABLE", "CAPTION", "TR", "TD", "TH", "UL", "DL", "DT", "DD", "OL", "LI",
        "FRAMESET", "FRAME", "NOFRAMES", "FORM", "INPUT", "SELECT", "OPTION", "TEXTAREA", "HTML", "HEAD", "TITLE",
        "DOCTYPE", "PUBLIC", "W3C", "IETF", "DTD", "EN", "BASE", "META", "BODY", "EMBED", "NOEMBED", "BGSOUND",
        "CLEAR", "ALIGN", "SIZE", "TYPE", "HTTP-EQUIV", "CONTENT", "NONE", "LEFT", "RIGHT", "ALL", "CENTER", "TEXT",
        "PASSWORD", "BUTTON", "CHECKBOX", "RADIO", "SUBMIT", "RESET", "IMAGE", "HIDDEN", "FILE", "CHARSET"};
    static_assert(sizeof words / sizeof *words == 77);
    ASSERT_EQ(WORD_COUNT, 77);
    for (int k = 0; k < WORD_COUNT; ++k) {
        EXPECT_EQ(vocab_entry(2 * k), words[k]) << k;
        EXPECT_EQ(vocab_entry(2 * k + 1), to_lower_ascii(words[k])) << k;
    }
    EXPECT_EQ(vocab_entry(2 * W_HTTP_EQUIV + 1), "http-equiv");
    EXPECT_EQ(vocab_entry(2 * W_W3C + 1), "w3c");
    EXPECT_EQ(vocab_entry(153), "charset");
    EXPECT_THROW(vocab_entry(154), std::out_of_range);
    EXPECT_THROW(vocab_entry(-1), std::out_of_range);
}

TEST(Vocabulary, WordTakesTheFormOfItsRolesSetting) {
    struct Case {
        int k;
        Role role;
        CaseSettings s;
        const char* expected;
    };
    const CaseSettings defaults;
    for (const Case& c : {
             Case{W_SIZE, Role::Attribute, {0, 1, 1}, "size"},
             Case{W_FONT, Role::Element, {0, 1, 1}, "FONT"},
             Case{W_FONT, Role::Element, defaults, "FONT"},
             Case{W_SIZE, Role::Attribute, defaults, "SIZE"},
             Case{W_LEFT, Role::Value, defaults, "left"},
             Case{W_LEFT, Role::Value, {1, 1, 0}, "LEFT"},
             Case{W_CENTER, Role::Element, {1, 0, 0}, "center"},
             Case{W_CENTER, Role::Value, {1, 0, 0}, "CENTER"},
             // Only the role's own setting counts.
             Case{W_TYPE, Role::Attribute, {1, 0, 1}, "TYPE"},
             Case{W_HTML, Role::Value, {0, 0, 1}, "html"},
             // A value other than 0 or 1 counts as the role's default.
             Case{W_FONT, Role::Element, {2, 0, 1}, "FONT"},
             Case{W_FONT, Role::Element, {-1, 0, 1}, "FONT"},
             Case{W_SIZE, Role::Attribute, {0, INT_MAX, 1}, "SIZE"},
             Case{W_SIZE, Role::Attribute, {0, INT_MIN, 1}, "SIZE"},
             Case{W_LEFT, Role::Value, {0, 0, 2}, "left"},
             Case{W_LEFT, Role::Value, {0, 0, -1}, "left"},
             Case{W_LEFT, Role::Value, {0, 0, INT_MIN}, "left"},
             // The last word never reaches past the table.
             Case{W_CHARSET, Role::Value, {0, 0, 7}, "charset"},
             Case{W_CHARSET, Role::Attribute, {0, 9, 0}, "CHARSET"},
         }) {
        EXPECT_EQ(word(c.k, c.role, c.s), c.expected)
            << "k=" << c.k << " settings " << c.s.element << "," << c.s.attribute << "," << c.s.value;
    }
}

TEST(Vocabulary, ProcessWideSettingsStartAtTheDefaults) {
    // Nothing in this test binary loads settings, so the process-wide ones
    // are the defaults: element and attribute upper, value lower.
    EXPECT_EQ(word(W_TABLE, Role::Element, current_case()), "TABLE");
    EXPECT_EQ(word(W_ALIGN, Role::Attribute, current_case()), "ALIGN");
    EXPECT_EQ(word(W_RIGHT, Role::Value, current_case()), "right");
}

TEST(CaseConversion, ChangesOnlyAsciiLetters) {
    struct Case {
        std::string in, upper, lower;
    };
    for (const Case& c : {
             Case{"", "", ""},
             Case{"Left", "LEFT", "left"},
             Case{"http-equiv=\"Refresh\" 0-9@[`{", "HTTP-EQUIV=\"REFRESH\" 0-9@[`{", "http-equiv=\"refresh\" 0-9@[`{"},
             Case{"左側 (left)", "左側 (LEFT)", "左側 (left)"},
             Case{"未指定 ﾃｽﾄ Ａｂｃ ÀéÑ", "未指定 ﾃｽﾄ Ａｂｃ ÀéÑ", "未指定 ﾃｽﾄ Ａｂｃ ÀéÑ"},
             Case{"\xFF\x80z", "\xFF\x80Z", "\xFF\x80z"},
             Case{std::string("a\0B", 3), std::string("A\0B", 3), std::string("a\0b", 3)},
         }) {
        EXPECT_EQ(to_upper_ascii(c.in), c.upper);
        EXPECT_EQ(to_lower_ascii(c.in), c.lower);
    }
}

class SettingsFile : public testing::Test {
protected:
    std::filesystem::path dir_;
    void SetUp() override {
        dir_ = std::filesystem::path(testing::TempDir()) /
               ("corvane_settings_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    CaseSettings load(const std::optional<std::string>& content) {
        std::filesystem::path ini = dir_ / "Corvane.ini";
        std::filesystem::remove(ini);
        if (content) std::ofstream(ini, std::ios::binary) << *content;
        return load_case_settings(ini.string());
    }
};

TEST_F(SettingsFile, ReadsEachEntryOrItsDefault) {
    struct Case {
        const char* name;
        std::optional<std::string> content;
        int element, attribute, value;
    };
    for (const Case& c : {
             Case{"missing file", std::nullopt, 0, 0, 1},
             Case{"empty file", "", 0, 0, 1},
             Case{"as the dialog writes it", "[Setup]\r\nElement=1\r\nAttribute=1\r\nValue=0\r\n", 1, 1, 0},
             Case{"LF lines, no final break", "[Setup]\nElement=1\nAttribute=0\nValue=0", 1, 0, 0},
             Case{"only Value=0", "[Setup]\r\nValue=0\r\n", 0, 0, 0},
             Case{"Element=x", "[Setup]\r\nElement=x\r\nAttribute=1\r\n", 0, 1, 1},
             Case{"Value=x", "[Setup]\r\nValue=x\r\n", 0, 0, 1},
             Case{"trailing garbage", "[Setup]\r\nElement=1x\r\nValue=7x\r\n", 0, 0, 1},
             Case{"empty text", "[Setup]\r\nElement=\r\nValue=\r\n", 0, 0, 1},
             Case{"blank text", "[Setup]\r\nValue=   \r\n", 0, 0, 1},
             Case{"blanks around", "[Setup]\r\n  Element = 1 \r\n\tValue\t=\t0\t\r\n", 1, 0, 0},
             Case{"names in other case", "[setup]\r\nELEMENT=1\r\nattribute=1\r\nvAlUe=0\r\n", 1, 1, 0},
             Case{"blanks in section line", "[ Setup ]\r\nElement=1\r\n", 1, 0, 1},
             Case{"other section", "[Other]\r\nElement=1\r\nValue=0\r\n", 0, 0, 1},
             Case{"section after another", "[Other]\r\nElement=1\r\n[Setup]\r\nAttribute=1\r\n", 0, 1, 1},
             Case{"entries before any section", "Element=1\r\n[Setup]\r\nValue=0\r\n", 0, 0, 0},
             Case{"comment line", "[Setup]\r\n;Element=1\r\nValue=0\r\n", 0, 0, 0},
             Case{"out-of-range numbers kept", "[Setup]\r\nElement=2\r\nAttribute=-1\r\nValue=99\r\n", 2, -1, 99},
             Case{"beyond int", "[Setup]\r\nElement=99999999999\r\n", 0, 0, 1},
             Case{"hexadecimal", "[Setup]\r\nAttribute=0x1\r\n", 0, 0, 1},
             Case{"decimal point", "[Setup]\r\nAttribute=1.0\r\n", 0, 0, 1},
             Case{"Shift_JIS noise around", "\x95\x5C=1\r\n[Setup]\r\n\x83\x5C=0\r\nValue=0\r\n", 0, 0, 0},
         }) {
        CaseSettings s = load(c.content);
        EXPECT_EQ(s.element, c.element) << c.name;
        EXPECT_EQ(s.attribute, c.attribute) << c.name;
        EXPECT_EQ(s.value, c.value) << c.name;
    }
}

TEST_F(SettingsFile, OutOfRangeEntriesActAsTheDefaults) {
    CaseSettings s = load("[Setup]\r\nElement=2\r\nAttribute=-1\r\nValue=5\r\n");
    EXPECT_EQ(word(W_FONT, Role::Element, s), "FONT");
    EXPECT_EQ(word(W_SIZE, Role::Attribute, s), "SIZE");
    EXPECT_EQ(word(W_LEFT, Role::Value, s), "left");
}

TEST_F(SettingsFile, AFolderInPlaceOfTheFileGivesTheDefaults) {
    std::filesystem::create_directories(dir_ / "Corvane.ini");
    CaseSettings s = load_case_settings((dir_ / "Corvane.ini").string());
    EXPECT_EQ(s.element, 0);
    EXPECT_EQ(s.attribute, 0);
    EXPECT_EQ(s.value, 1);
}

}  // namespace
}  // namespace corvane
