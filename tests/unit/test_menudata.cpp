#include "setup/menudata.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "common/codepage.h"
#include "common/profile.h"
#include "scratch_files.h"

using namespace corvane;
using namespace corvane::testing_files;

namespace {

std::string data_file(const std::string& name) {
    auto bytes = slurp(std::string(CORVANE_TEST_DATA) + "/" + name);
    EXPECT_TRUE(bytes) << name;
    return bytes.value_or("");
}

size_t sjis_width(const std::string& utf8) { return from_utf8(utf8, CodePage::Cp932).size(); }

}  // namespace

// Whole files against the reference files: from no file (exactly the two
// sections, in writing order) for three settings, and over an editor's file
// with foreign keys and sections, comments, blank lines, LF-only lines and a
// last line without a line break.  A second run changes nothing and does not
// even rewrite the file.
TEST(MenuData, WholeFiles) {
    struct Case {
        const char* before;  // nullptr: no file
        CaseSettings settings;
        const char* want;
    };
    const Case cases[] = {
        {nullptr, {0, 0, 1}, "menudata_default.pld"},
        {nullptr, {0, 0, 0}, "menudata_all0.pld"},
        {nullptr, {1, 1, 1}, "menudata_all1.pld"},
        {"menudata_foreign_in.pld", {0, 0, 1}, "menudata_foreign_out.pld"},
    };
    for (const Case& c : cases) {
        ScratchDir dir;
        const std::string path = dir.file("Corvane.pld");
        if (c.before) spit(path, data_file(c.before));
        generate_menu_data(path, c.settings);
        const std::string want = data_file(c.want);
        EXPECT_EQ(slurp(path), want) << c.want;

        const auto earlier = std::filesystem::last_write_time(path) - std::chrono::hours(1);
        std::filesystem::last_write_time(path, earlier);
        generate_menu_data(path, c.settings);
        EXPECT_EQ(slurp(path), want) << c.want;
        EXPECT_EQ(std::filesystem::last_write_time(path), earlier) << c.want;
    }
}

TEST(MenuData, WorkedExamples) {
    struct Case {
        CaseSettings settings;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {{0, 0, 1}, "M00", "00,改 行          <BR>"},
        {{0, 0, 1}, "S0000", "00,通 常    : CLEAR=\"none\""},
        {{0, 0, 1}, "M08", "13,06,見出し         <Hn>"},
        {{0, 0, 1}, "M200200", "10,ﾃｷｽﾄ       : TYPE=\"text\""},
        {{0, 0, 1}, "M230201", "00,w3c//dtd html 4.0 Transitional"},
        {{0, 0, 1}, "M2304", "13,05,文字コード  : <META CHARSET>"},
        {{0, 0, 1}, "S0100a", "<P ALIGN=\"left\">\\n"},
        {{0, 0, 1}, "M0800a", "<H1>"},
        {{0, 0, 1}, "M17a", "<TABLE>\\n<CAPTION></CAPTION>\\n<TR><TD></TD></TR>\\n"},
        {{0, 0, 1}, "M22b", "</BODY>\\n</HTML>\\n"},
        {{0, 0, 1}, "M230201a", "<!DOCTYPE HTML PUBLIC \"-//w3c//dtd html 4.0 Transitional//EN\">"},
        {{0, 0, 1}, "M230400a", "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">"},
        {{1, 1, 1}, "M2304", "13,05,文字コード  : <meta charset>"},
        {{1, 1, 1}, "M230201a", "<!doctype html public \"-//w3c//dtd html 4.0 Transitional//EN\">"},
        {{1, 1, 1}, "M22", "00,ひな形HTML作成 <html> ..."},
        {{0, 0, 0}, "M230400a", "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"TEXT/HTML; CHARSET=Shift_JIS\">"},
        {{1, 0, 1}, "S0912a", "<font SIZE=\"+2\">"},
    };
    for (const Case& c : cases) {
        auto entries = menu_data(c.settings);
        ASSERT_EQ(entries.size(), 220u);
        std::map<std::string, std::string> values;
        for (auto& e : entries) EXPECT_TRUE(values.emplace(e.key, e.value).second) << "twice: " << e.key;
        EXPECT_EQ(values[c.key], c.value) << c.key;
    }
}

// Widths in Shift_JIS bytes, as the editor's menu lays them out: a
// top-level caption is padded to 15 bytes before its hint, and children with
// a hint line up their " : ".  Every character must exist in Shift_JIS.
TEST(MenuData, LabelsLineUp) {
    std::map<std::string, std::set<size_t>> separator_columns;  // by parent key
    for (const CaseSettings& s : {CaseSettings{0, 0, 1}, CaseSettings{1, 1, 0}}) {
        for (auto& e : menu_data(s)) {
            EXPECT_EQ(from_utf8(e.value, CodePage::Cp932).find("&#"), std::string::npos) << e.key;
            if (e.section != "Menu00") continue;
            const std::string label = e.value.substr(e.value.rfind("13,", 0) == 0 ? 6 : 3);
            if (e.key.size() == 3) {
                size_t hint = label.find('<');
                ASSERT_NE(hint, std::string::npos) << e.key;
                EXPECT_EQ(sjis_width(label.substr(0, hint)), 15u) << e.key;
                EXPECT_EQ(label[hint - 1], ' ') << e.key;
            } else if (label.find('<') != std::string::npos) {
                size_t sep = label.find(" : <");
                ASSERT_NE(sep, std::string::npos) << e.key;
                separator_columns[e.key.substr(0, e.key.size() - 2)].insert(sjis_width(label.substr(0, sep)));
            }
        }
    }
    EXPECT_EQ(separator_columns.size(), 7u);  // children of M11 S16 S17 M18 S19 M20 M23
    for (auto& [parent, columns] : separator_columns) EXPECT_EQ(columns.size(), 1u) << "children of " << parent;
}

TEST(MenuData, UnwritableFileIsAnError) {
    ScratchDir dir;
    const std::string path = dir.file("missing/Corvane.pld");
    try {
        generate_menu_data(path, CaseSettings{});
        ADD_FAILURE() << "no error";
    } catch (const ProfileWriteError& e) {
        EXPECT_EQ(std::string(e.what()), path + " に書き込めません");
    }
}
