// Builders and show step of the list dialogs UL, OL, LI and DL.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "dialogs/dialogs.h"
#include "fakes.h"

using namespace corvane;
using namespace corvane::test;

namespace {

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
    expect_builds({
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
         "<DL>⏎ <DT>⏎  <DD>⏎ <DT>⏎  <DD>⏎", ""},
        {"DL no pairs", TFormDL, kDefault, [](Form&) {}, "<DL>⏎", ""},
        {"DL lower elements", TFormDL, {1, 0, 1}, spins({{"CSpinEditDTDD", "1"}}), "<dl>⏎ <dt>⏎  <dd>⏎",
         ""},
    }, kEol);
}

TEST(ListDialogs, SpinValuesReachTheBuilderWithinTheirLimits) {
    // Whatever stands in a spin edit when the texts are built (Enter keeps
    // the focus in it), the builder sees a number within that spin's limits.
    auto times = [](int n, const std::string& line) {
        std::string s;
        for (int i = 0; i < n; ++i) s += line;
        return s;
    };
    struct Spin {
        const DialogDesign& (*design)();
        const char* spin;
        const char* typed;
        std::string start;
    };
    const Spin rows[] = {
        {TFormUL, "CSpinEditLI", "150", "<UL>⏎" + times(99, " <LI>⏎")},
        {TFormOL, "CSpinEditLI", "100", "<OL>⏎" + times(99, " <LI>⏎")},
        {TFormOL, "CSpinEditSTART", "27", "<OL START=\"26\">⏎"},
        {TFormOL, "CSpinEditSTART", "-1", "<OL>⏎"},
        {TFormLI, "CSpinEditVALUE", "40", "<LI VALUE=\"26\">⏎"},
        {TFormDL, "CSpinEditDTDD", "1000", "<DL>⏎" + times(99, " <DT>⏎  <DD>⏎")},
    };
    for (const Spin& r : rows) {
        TagTexts t = build_with(r.design(), kDefault, spins({{r.spin, r.typed}}), kEol);
        EXPECT_EQ(t.start, r.start) << r.spin << " " << r.typed;
    }
}

TEST(ListDialogs, ShowStepRaisesOnlyTheBulletEntries) {
    // What the user sees: with values upper, the bullet entries change; the
    // numbering entries, which differ by case alone, never do.
    RecordingHost host;
    FakePlatform platform;
    Dialog li(TFormLI(), host, platform);
    li.FormShow({0, 0, 0});
    EXPECT_EQ(li.form().item("RadioGroupTYPE", 1), "点   (\"DISC\")");
    EXPECT_EQ(li.form().item("RadioGroupTYPE", 8), "ｱﾙﾌｧﾍﾞｯﾄ(小) (\"a\")");
    Dialog ol(TFormOL(), host, platform);
    ol.FormShow({0, 0, 0});
    EXPECT_EQ(ol.form().item("RadioGroupTYPE", 5), "ｱﾙﾌｧﾍﾞｯﾄ(小) (\"a\")");
}

TEST(ListDialogs, ItemLinesAskTheHostForEachLineBreak) {
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog(TFormDL(), host, platform);
    dialog.FormShow(kDefault);
    dialog.form()["CSpinEditDTDD"].text = "3";
    dialog.build();
    EXPECT_EQ(std::count(host.calls.begin(), host.calls.end(), "GetCRLF"), 7);  // 1 + 2 per pair
}
