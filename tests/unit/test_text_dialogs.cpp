// Builders of the heading, font and rule dialogs.
#include <gtest/gtest.h>

#include <functional>

#include "dialogs/dialogs.h"
#include "fakes.h"

using namespace corvane;
using namespace corvane::test;

namespace {

const CaseSettings kDefault{0, 0, 1};

}  // namespace

TEST(TextDialogs, Builders) {
    expect_builds({
        {"H2 centred with text", TFormHn, kDefault,
         [](Form& f) {
             f["RadioGroupSize"].selected = 1;
             f["RadioGroupALIGN"].selected = 2;
             f["EditTitle"].text = "はじめに";
         },
         "<H2 ALIGN=\"center\">はじめに", "</H2>\r\n"},
        {"H1 defaults", TFormHn, kDefault, [](Form&) {}, "<H1>", "</H1>\r\n"},
        {"H6 right, values upper", TFormHn, {0, 0, 0},
         [](Form& f) {
             f["RadioGroupSize"].selected = 5;
             f["RadioGroupALIGN"].selected = 3;
         },
         "<H6 ALIGN=\"RIGHT\">", "</H6>\r\n"},
        {"H3 lower names", TFormHn, {1, 1, 1},
         [](Form& f) {
             f["RadioGroupSize"].selected = 2;
             f["RadioGroupALIGN"].selected = 1;
             f["EditTitle"].text = "a \"q\" <b>";
         },
         "<h3 align=\"left\">a \"q\" <b>", "</h3>\r\n"},
        {"font +3 red", TFormFONT, kDefault,
         [](Form& f) {
             f["RadioGroupSIZE"].selected = 3;
             f["ComboBoxSIZE"].selected = 1;
             f["ComboBoxCOLOR"].text = f.item("ComboBoxCOLOR", 5);
         },
         "<FONT SIZE=\"+3\" COLOR=\"red\">", "</FONT>"},
        {"font colour only, end omitted", TFormFONT, kDefault,
         [](Form& f) {
             f["ComboBoxCOLOR"].text = "#0000FF";
             f["CheckBoxOmit"].checked = true;
         },
         "<FONT COLOR=\"#0000FF\">", ""},
        {"font flipped case", TFormFONT, {1, 1, 0},
         [](Form& f) {
             f["RadioGroupSIZE"].selected = 7;
             f["ComboBoxSIZE"].selected = 2;
             f["ComboBoxCOLOR"].text = f.item("ComboBoxCOLOR", 5);
         },
         "<font size=\"-7\" color=\"RED\">", "</font>"},
        {"font relative ignored without size", TFormFONT, kDefault,
         [](Form& f) { f["ComboBoxSIZE"].selected = 2; }, "<FONT>", "</FONT>"},
        {"font size 1 no sign", TFormFONT, kDefault, [](Form& f) { f["RadioGroupSIZE"].selected = 1; },
         "<FONT SIZE=\"1\">", "</FONT>"},
        {"font typed colour kept", TFormFONT, {0, 0, 0}, [](Form& f) { f["ComboBoxCOLOR"].text = "Red"; },
         "<FONT COLOR=\"Red\">", "</FONT>"},
        {"font blank colour counts", TFormFONT, kDefault, [](Form& f) { f["ComboBoxCOLOR"].text = " "; },
         "<FONT COLOR=\" \">", "</FONT>"},
        {"rule everything", TFormHR, kDefault,
         [](Form& f) {
             f["EditSIZE"].text = "2";
             f["EditWIDTH"].text = "80";
             f["CheckBoxWIDTHP"].checked = true;
             f["RadioGroupALIGN"].selected = 1;
             f["CheckBoxNOSHADE"].checked = true;
         },
         "<HR SIZE=\"2\" WIDTH=\"80%\" ALIGN=\"left\" NOSHADE>\r\n", ""},
        {"rule defaults", TFormHR, kDefault, [](Form&) {}, "<HR>\r\n", ""},
        {"rule percent without width", TFormHR, kDefault, [](Form& f) { f["CheckBoxWIDTHP"].checked = true; },
         "<HR>\r\n", ""},
        {"rule lower names, value case separate", TFormHR, {0, 1, 1},
         [](Form& f) {
             f["EditSIZE"].text = "x";
             f["EditWIDTH"].text = "5";
             f["RadioGroupALIGN"].selected = 2;
             f["CheckBoxNOSHADE"].checked = true;
         },
         "<HR size=\"x\" width=\"5\" align=\"center\" noshade>\r\n", ""},
    });
}

TEST(TextDialogs, HostLineBreakIsUsedVerbatim) {
    TagTexts t = build_with(TFormHR(), kDefault, [](Form&) {}, "\n");
    EXPECT_EQ(t.start, "<HR>\n");
    t = build_with(TFormHn(), kDefault, [](Form&) {}, "\r");
    EXPECT_EQ(t.end, "</H1>\r");
}

TEST(TextDialogs, ShowStepLeavesSizeListsAlone) {
    RecordingHost host;
    FakePlatform platform;
    Dialog font(TFormFONT(), host, platform);
    font.FormShow({1, 1, 0});
    EXPECT_EQ(font.form().label("StaticTextSIZE"), "size");
    EXPECT_EQ(font.form().label("LabelCOLOR"), "color");
    EXPECT_EQ(font.form().item("ComboBoxCOLOR", 0), "BLACK");
    EXPECT_EQ(font.form().item("ComboBoxCOLOR", 21), "PINK");
    EXPECT_EQ(font.form().item("ComboBoxSIZE", 1), "大きく (\"+\")");
    EXPECT_EQ(font.form().item("RadioGroupSIZE", 7), "大 (\"7\")");
    EXPECT_EQ(font.form().label("CheckBoxOmit"), "終了タグ省略");
}
