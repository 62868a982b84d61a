// Builders and show step of the list dialogs UL, OL, LI and DL.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "dialogs/dialogs.h"
#include "fakes.h"

using namespace corvane;
using namespace corvane::testing;

namespace {

struct Case {
    const char* what;
    const DialogDesign& (*design)();
    CaseSettings cs;
    std::function<void(Form&)> setup;
    const char* start;
    const char* end;
};

const CaseSettings kDefault{0, 0, 1};
// The host line break as the worked examples write it: whatever the host
// answers is what the item lines end with.
const char* const kEol = "⏎";

std::function<void(Form&)> pick(int type, std::vector<std::pair<const char*, const char*>> spins = {}) {
    return [=](Form& f) {
        f["RadioGroupTYPE"].selected = type;
        for (auto& [name, text] : spins) f[name].text = text;
    };
}

std::function<void(Form&)> spins(std::vector<std::pair<const char*, const char*>> values) {
    return [=](Form& f) {
        for (auto& [name, text] : values) f[name].text = text;
    };
}

}  // namespace

TEST(ListDialogs, Builders) {
    const Case cases[] = {
        {"UL disc, 2 items", TFormUL, kDefault, pick(1, {{"CSpinEditLI", "2"}}),
         "<UL TYPE=\"disc\">⏎ <LI>⏎ <LI>⏎", "</UL>⏎"},
        {"UL standard, no items", TFormUL, kDefault, pick(0), "<UL>⏎", "</UL>⏎"},
        {"UL disc, values upper", TFormUL, {0, 0, 0}, pick(1), "<UL TYPE=\"DISC\">⏎", "</UL>⏎"},
        {"UL square, all lower", TFormUL, {1, 1, 1}, pick(3, {{"CSpinEditLI", "1"}}),
         "<ul type=\"square\">⏎ <li>⏎", "</ul>⏎"},
        {"OL I from 3, 1 item", TFormOL, kDefault, pick(2, {{"CSpinEditSTART", "3"}, {"CSpinEditLI", "1"}}),
         "<OL TYPE=\"I\" START=\"3\">⏎ <LI>⏎", "</OL>⏎"},
        {"OL I, values upper", TFormOL, {0, 0, 0}, pick(2), "<OL TYPE=\"I\">⏎", "</OL>⏎"},
        {"OL i, values upper", TFormOL, {0, 0, 0}, pick(3), "<OL TYPE=\"i\">⏎", "</OL>⏎"},
        {"OL a from 2, all lower", TFormOL, {1, 1, 1}, pick(5, {{"CSpinEditSTART", "2"}, {"CSpinEditLI", "2"}}),
         "<ol type=\"a\" start=\"2\">⏎ <li>⏎ <li>⏎", "</ol>⏎"},
        {"OL start only", TFormOL, kDefault, spins({{"CSpinEditSTART", "1"}}), "<OL START=\"1\">⏎", "</OL>⏎"},
        {"LI square, value 0", TFormLI, kDefault, pick(3), "<LI TYPE=\"square\">⏎", ""},
        {"LI standard, value 5", TFormLI, kDefault, pick(0, {{"CSpinEditVALUE", "5"}}), "<LI VALUE=\"5\">⏎", ""},
        {"LI circle, values upper", TFormLI, {0, 0, 0}, pick(2), "<LI TYPE=\"CIRCLE\">⏎", ""},
        {"LI roman, values upper", TFormLI, {0, 0, 0}, pick(6), "<LI TYPE=\"i\">⏎", ""},
        {"LI alpha, values upper", TFormLI, {0, 0, 0}, pick(7), "<LI TYPE=\"A\">⏎", ""},
        {"LI numbers, lower names", TFormLI, {1, 1, 1}, pick(4, {{"CSpinEditVALUE", "26"}}),
         "<li type=\"1\" value=\"26\">⏎", ""},
        {"DL 2 pairs", TFormDL, kDefault, spins({{"CSpinEditDTDD", "2"}}),
         "<DL>⏎ <DT>⏎  <DD>⏎ <DT>⏎  <DD>⏎", "</DL>⏎"},
        {"DL no pairs", TFormDL, kDefault, [](Form&) {}, "<DL>⏎", "</DL>⏎"},
        {"DL lower elements", TFormDL, {1, 0, 1}, spins({{"CSpinEditDTDD", "1"}}), "<dl>⏎ <dt>⏎  <dd>⏎",
         "</dl>⏎"},
    };
    for (const Case& c : cases) {
        TagTexts t = build_with(c.design(), c.cs, c.setup, kEol);
        EXPECT_EQ(t.start, c.start) << c.what;
        EXPECT_EQ(t.end, c.end) << c.what;
    }
}

TEST(ListDialogs, SpinValuesReachTheBuilderWithinTheirLimits) {
    // Whatever stands in a spin edit when OK runs (Enter keeps the focus in
    // it), the builder sees a number within the limits, and the field shows it.
    struct Spin {
        const DialogDesign& (*design)();
        const char* spin;
        const char* typed;
        int items;          // LI lines or DT/DD pairs expected
        const char* attr;   // expected START/VALUE clause, or "" for none
        const char* shown;  // the field's text afterwards
    };
    const Spin spins[] = {
        {TFormUL, "CSpinEditLI", "150", 99, "", "99"},
        {TFormUL, "CSpinEditLI", "99", 99, "", "99"},
        {TFormUL, "CSpinEditLI", "-3", 0, "", "0"},
        {TFormUL, "CSpinEditLI", "abc", 0, "", "0"},
        {TFormUL, "CSpinEditLI", "", 0, "", "0"},
        {TFormUL, "CSpinEditLI", "99999999999999999999", 99, "", "99"},
        {TFormOL, "CSpinEditLI", "100", 99, "", "99"},
        {TFormOL, "CSpinEditSTART", "27", 0, " START=\"26\"", "26"},
        {TFormOL, "CSpinEditSTART", "-1", 0, "", "0"},
        {TFormLI, "CSpinEditVALUE", "40", 0, " VALUE=\"26\"", "26"},
        {TFormLI, "CSpinEditVALUE", "0", 0, "", "0"},
        {TFormDL, "CSpinEditDTDD", "1000", 99, "", "99"},
    };
    for (const Spin& s : spins) {
        RecordingHost host;
        host.eol = "\n";
        FakePlatform platform;
        Dialog dialog(s.design(), host, platform);
        dialog.create();
        dialog.FormShow(kDefault);
        dialog.form()[s.spin].text = s.typed;
        dialog.form().focus = s.spin;
        ASSERT_TRUE(dialog.ButtonOKClick());
        const std::string what = s.design().class_name + " " + s.spin + " " + s.typed;
        EXPECT_EQ(dialog.form()[s.spin].text, s.shown) << what;
        const std::string line = s.design().class_name == "TFormDL" ? " <DT>\n" : " <LI>\n";
        size_t lines = 0;
        for (size_t at = host.start.find(line); at != std::string::npos; at = host.start.find(line, at + 1)) ++lines;
        EXPECT_EQ(lines, static_cast<size_t>(s.items)) << what;
        if (*s.attr) EXPECT_NE(host.start.find(s.attr), std::string::npos) << what << ": " << host.start;
    }
}

TEST(ListDialogs, ShowStepAdaptsLabelsAndOnlyTheBulletValues) {
    RecordingHost host;
    FakePlatform platform;
    // LI with values upper: the bullet entries change, the numbering
    // entries (which differ by case alone) do not.
    Dialog li(TFormLI(), host, platform);
    li.FormShow({0, 0, 0});
    const Form& f = li.form();
    EXPECT_EQ(f.item("RadioGroupTYPE", 1), "点   (\"DISC\")");
    EXPECT_EQ(f.item("RadioGroupTYPE", 0), "標準 (点or数字)");
    EXPECT_EQ(f.item("RadioGroupTYPE", 8), "ｱﾙﾌｧﾍﾞｯﾄ(小) (\"a\")");
    EXPECT_EQ(f.item("RadioGroupTYPEx", 3), "SQUARE");
    EXPECT_EQ(f.item("RadioGroupTYPEx", 6), "i");
    // OL keeps its types in every case; its labels follow their roles.
    Dialog ol(TFormOL(), host, platform);
    ol.FormShow({1, 1, 0});
    EXPECT_EQ(ol.form().item("RadioGroupTYPE", 5), "ｱﾙﾌｧﾍﾞｯﾄ(小) (\"a\")");
    EXPECT_EQ(ol.form().item("RadioGroupTYPEx", 4), "A");
    EXPECT_EQ(ol.form().label("LabelLI"), "<li>");
    EXPECT_EQ(ol.form().label("LabelSTART"), "start");
    EXPECT_EQ(ol.form().caption, "Pelinor - HTML : 項番付きﾘｽﾄ <ol>");
    // The item labels follow the element case, not the attribute case.
    Dialog dl(TFormDL(), host, platform);
    dl.FormShow({0, 1, 1});
    EXPECT_EQ(dl.form().label("LabelDT"), "<DT>");
    EXPECT_EQ(dl.form().caption, "Pelinor - HTML : 定義ﾘｽﾄ <DL>");
}

TEST(ListDialogs, ItemLinesAskTheHostForEachLineBreak) {
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog(TFormDL(), host, platform);
    dialog.FormShow(kDefault);
    dialog.form()["CSpinEditDTDD"].text = "3";
    dialog.build(kDefault);
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "GetCRLF"), 8);  // 1 + 2 per pair + end
}
