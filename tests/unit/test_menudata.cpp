#include "setup/menudata.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <sstream>

#include "common/codepage.h"
#include "common/profile.h"

namespace fs = std::filesystem;
using namespace corvane;

namespace {

class TempDir {
public:
    TempDir() {
        std::random_device rd;
        path_ = fs::temp_directory_path() / ("corvane-menudata-" + std::to_string(rd()));
        fs::create_directories(path_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    fs::path path_;
};

std::optional<std::string> slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::string data_file(const std::string& name) {
    auto bytes = slurp(std::string(CORVANE_TEST_DATA) + "/" + name);
    EXPECT_TRUE(bytes) << name;
    return bytes.value_or("");
}

size_t sjis_width(const std::string& utf8) { return from_utf8(utf8, CodePage::Cp932).size(); }

// The label of a Menu00 value: after the kind, and after the child count of
// a kind "13" entry.
std::string label_of(const std::string& value) { return value.substr(value.rfind("13,", 0) == 0 ? 6 : 3); }

}  // namespace

// Whole files against the reference files: from no file, for three settings;
// over a file of the editor's own with foreign keys, comments, blank lines,
// LF-only lines and a last line without a line break; and a second run
// changes nothing.
TEST(MenuData, WholeFiles) {
    struct Case {
        const char* name;
        const char* before;  // nullptr: no file
        CaseSettings settings;
        const char* want;
    };
    const Case cases[] = {
        {"default", nullptr, {0, 0, 1}, "menudata_default.pld"},
        {"all 0", nullptr, {0, 0, 0}, "menudata_all0.pld"},
        {"all 1", nullptr, {1, 1, 1}, "menudata_all1.pld"},
        {"editor's file", "menudata_foreign_in.pld", {0, 0, 1}, "menudata_foreign_out.pld"},
    };
    for (const Case& c : cases) {
        TempDir dir;
        const std::string path = dir.file("Corvane.pld");
        if (c.before) {
            std::ofstream(path, std::ios::binary) << data_file(c.before);
        }
        generate_menu_data(path, c.settings);
        const std::string want = data_file(c.want);
        EXPECT_EQ(slurp(path), want) << c.name;

        // Twice gives the same bytes, and the file is not even rewritten.
        auto stamp = fs::last_write_time(path);
        fs::last_write_time(path, stamp - std::chrono::hours(1));
        generate_menu_data(path, c.settings);
        EXPECT_EQ(slurp(path), want) << c.name;
        EXPECT_EQ(fs::last_write_time(path), stamp - std::chrono::hours(1)) << c.name;
    }
}

TEST(MenuData, NewFileHoldsExactlyTheTwoSectionsInWritingOrder) {
    auto entries = menu_data(CaseSettings{});
    ASSERT_EQ(entries.size(), 220u);
    std::string want = "[Menu00]\r\n";
    for (size_t i = 0; i < entries.size(); ++i) {
        if (i == 108) want += "[Edit00]\r\n";
        EXPECT_EQ(entries[i].section, i < 108 ? "Menu00" : "Edit00") << entries[i].key;
        want += entries[i].key + "=" + from_utf8(entries[i].value, CodePage::Cp932) + "\r\n";
    }
    EXPECT_EQ(data_file("menudata_default.pld"), want);

    std::set<std::string> keys;
    for (auto& e : entries) EXPECT_TRUE(keys.insert(e.key).second) << "twice: " << e.key;
}

// Examples given with the menu data tables, value by value.
TEST(MenuData, WorkedExamples) {
    struct Case {
        CaseSettings settings;
        const char* key;
        const char* value;
    };
    const Case cases[] = {
        {{0, 0, 1}, "M00", "00,改 行          <BR>"},
        {{0, 0, 1}, "S0000", "00,通 常    : CLEAR=\"none\""},
        {{0, 0, 1}, "S0001", "00,行頭左端 : CLEAR=\"left\""},
        {{0, 0, 1}, "M08", "13,06,見出し         <Hn>"},
        {{0, 0, 1}, "M200200", "10,ﾃｷｽﾄ       : TYPE=\"text\""},
        {{0, 0, 1}, "M230201", "00,w3c//dtd html 4.0 Transitional"},
        {{0, 0, 1}, "M2304", "13,05,文字コード  : <META CHARSET>"},
        {{0, 0, 1}, "M00a", "<BR>"},
        {{0, 0, 1}, "S0100a", "<P ALIGN=\"left\">\\n"},
        {{0, 0, 1}, "S0100b", "</P>"},
        {{0, 0, 1}, "M0800a", "<H1>"},
        {{0, 0, 1}, "M17a", "<TABLE>\\n<CAPTION></CAPTION>\\n<TR><TD></TD></TR>\\n"},
        {{0, 0, 1}, "M22b", "</BODY>\\n</HTML>\\n"},
        {{0, 0, 1}, "M230201a", "<!DOCTYPE HTML PUBLIC \"-//w3c//dtd html 4.0 Transitional//EN\">"},
        {{0, 0, 1}, "M230400a", "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=Shift_JIS\">"},
        {{1, 1, 1}, "M00", "00,改 行          <br>"},
        {{1, 1, 1}, "M2304", "13,05,文字コード  : <meta charset>"},
        {{1, 1, 1}, "M230201a", "<!doctype html public \"-//w3c//dtd html 4.0 Transitional//EN\">"},
        {{1, 1, 1}, "M22", "00,ひな形HTML作成 <html> ..."},
        {{0, 0, 0}, "S0001", "00,行頭左端 : CLEAR=\"LEFT\""},
        {{0, 0, 0}, "M230400a", "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"TEXT/HTML; CHARSET=Shift_JIS\">"},
        {{0, 0, 1}, "M1204a", "&nbsp;"},
        {{1, 0, 1}, "S0912a", "<font SIZE=\"+2\">"},
    };
    for (const Case& c : cases) {
        std::map<std::string, std::string> values;
        for (auto& e : menu_data(c.settings)) values[e.key] = e.value;
        EXPECT_EQ(values[c.key], c.value) << c.key;
    }
}

// Labels are measured in Shift_JIS bytes, as the editor's menu shows them.
TEST(MenuData, LabelsLineUp) {
    std::map<std::string, std::set<size_t>> separator_columns;  // by parent key
    for (const CaseSettings& s : {CaseSettings{0, 0, 1}, CaseSettings{1, 1, 0}}) {
        for (auto& e : menu_data(s)) {
            EXPECT_EQ(from_utf8(e.value, CodePage::Cp932).find("&#"), std::string::npos)
                << e.key << ": not all of it is Shift_JIS";
            if (e.section != "Menu00") continue;
            const std::string label = label_of(e.value);
            if (e.key.size() == 3) {
                // Top level: the caption padded to 15 bytes, then the hint.
                size_t hint = label.find('<');
                ASSERT_NE(hint, std::string::npos) << e.key;
                EXPECT_EQ(sjis_width(label.substr(0, hint)), 15u) << e.key;
                EXPECT_EQ(label[hint - 1], ' ') << e.key;
            } else if (label.find('<') != std::string::npos) {
                // A child with a hint: the " : " columns of its group agree.
                size_t sep = label.find(" : ");
                ASSERT_NE(sep, std::string::npos) << e.key;
                EXPECT_EQ(label.substr(sep + 3, 1), "<") << e.key;
                separator_columns[e.key.substr(0, e.key.size() - 2)].insert(sjis_width(label.substr(0, sep)));
            }
        }
    }
    EXPECT_EQ(separator_columns.size(), 7u);  // children of M11 S16 S17 M18 S19 M20 M23
    for (auto& [parent, columns] : separator_columns) EXPECT_EQ(columns.size(), 1u) << "children of " << parent;
}

TEST(MenuData, UnwritableFileIsAnError) {
    TempDir dir;
    const std::string path = dir.file("missing/Corvane.pld");
    try {
        generate_menu_data(path, CaseSettings{});
        ADD_FAILURE() << "no error";
    } catch (const ProfileWriteError& e) {
        EXPECT_EQ(std::string(e.what()), path + " に書き込めません");
    }
}
