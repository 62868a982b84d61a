// The shared dialog behaviour on the form model: creation, show step, key
// hook, colour and browse buttons, OK and Cancel.
#include <gtest/gtest.h>

#include <filesystem>

#include "dialogs/dialogs.h"
#include "fakes.h"

using namespace corvane;
using namespace corvane::test;

namespace {

const CaseSettings kDefault{0, 0, 1};
const CaseSettings kFlipped{1, 1, 0};

// A small dialog exercising every shared rule.
const DialogDesign& probe_design() {
    static const DialogDesign d{
        .class_name = "TFormFONT",
        .caption = "Pelinor - HTML : フォント ",
        .appended = {.elements = {W_FONT}},
        .client_w = 200,
        .client_h = 100,
        .controls = {
            radio_group("RadioGroupALIGN", "配置 (      )", {"未指定", "左側 (\"left\")"}, {0, 0, 100, 50}, 1)
                .upper_with_value(),
            name_label("StaticTextALIGN", "ALIGN", "RadioGroupALIGN"),
            element_label("LabelLI", "<LI>", 0, 60),
            combo_edit("ComboBoxTARGET", {0, 80, 80, 20}, {"_blank", "_top"}).upper_with_value(1, 1),
            color_combo("ComboBoxCOLOR", {100, 80, 60, 20}),
            color_button("ButtonCOLOR", {160, 80, 40, 20}, "ComboBoxCOLOR"),
            edit("EditSRC", {0, 20, 50, 20}),
            browse_button("ButtonSRC", {60, 20, 40, 20}, "EditSRC", FilterList::Images),
            browse_button("ButtonHREF", {60, 40, 40, 20}, "EditSRC", FilterList::Pages, ButtonRole::BrowsePathStay),
            spin("CSpinEditLI", {0, 0, 40, 20}, 0, 99),
            spin("CSpinEditFREE", {0, 0, 40, 20}, 5, 5),
            ok_button(0, 0),
            cancel_button(0, 0),
        },
        .tab_order = {"EditSRC", "ButtonSRC", "ComboBoxCOLOR", "ButtonCOLOR"},
    };
    return d;
}

struct Fixture {
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog{probe_design(), host, platform};
    Form& form = dialog.form();
};

}  // namespace

TEST(Frame, CreationAsksFilePathThenPlacesWithOuterSize) {
    Fixture f;
    f.host.file_path_bytes = "/web/site/page.htm";
    f.dialog.create();
    EXPECT_EQ(f.host.calls, (std::vector<std::string>{"GetFilePath", "GetPosAuto"}));
    EXPECT_EQ(f.host.asked_w, 200 + kFrameWidth);
    EXPECT_EQ(f.host.asked_h, 100 + kFrameHeight);
    EXPECT_EQ(f.form.left, 100);
    EXPECT_EQ(f.form.top, 120);
    EXPECT_EQ(f.dialog.initial_folder(), "/web/site");
    EXPECT_EQ(f.form.focus, "EditSRC");
}

TEST(Frame, DialogsWithoutOpenDialogNeverAskForThePath) {
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog(TFormHR(), host, platform);
    dialog.create();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"GetPosAuto"}));
}

TEST(Frame, ShowStepFollowsEachRoleAndKeepsSelection) {
    struct Case {
        CaseSettings cs;
        const char* caption;
        const char* name;
        const char* element;
        const char* item1;
        const char* target0;
        const char* target1;
        const char* color0;
    };
    const Case cases[] = {
        {kDefault, "Pelinor - HTML : フォント <FONT>", "ALIGN", "<LI>", "左側 (\"left\")", "_blank", "_top", "black"},
        {kFlipped, "Pelinor - HTML : フォント <font>", "align", "<li>", "左側 (\"LEFT\")", "_blank", "_TOP", "BLACK"},
        // Values other than 0 and 1 count as the role's default.
        {{7, -2, 5}, "Pelinor - HTML : フォント <FONT>", "ALIGN", "<LI>", "左側 (\"left\")", "_blank", "_top", "black"},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.dialog.FormShow(c.cs);
        EXPECT_EQ(f.form.caption, c.caption);
        EXPECT_EQ(f.form.label("StaticTextALIGN"), c.name);
        EXPECT_EQ(f.form.label("LabelLI"), c.element);
        EXPECT_EQ(f.form.item("RadioGroupALIGN", 1), c.item1);
        EXPECT_EQ(f.form.item("RadioGroupALIGN", 0), "未指定");
        EXPECT_EQ(f.form.selected("RadioGroupALIGN"), 1);
        EXPECT_EQ(f.form.item("ComboBoxTARGET", 0), c.target0);  // outside the converted range
        EXPECT_EQ(f.form.item("ComboBoxTARGET", 1), c.target1);
        EXPECT_EQ(f.form.item("ComboBoxCOLOR", 0), c.color0);
        EXPECT_EQ(f.form["ComboBoxCOLOR"].items.size(), 22u);
    }
}

TEST(Frame, CaptionRuleCoversEveryKindOfTail) {
    struct Case {
        const char* designed;
        CaptionTail tail;
        CaseSettings cs;
        const char* caption;
    };
    const Case cases[] = {
        {"Pelinor - HTML : 見出し ", {.elements = {W_H}, .heading = true}, kDefault, "Pelinor - HTML : 見出し <Hn>"},
        {"Pelinor - HTML : 見出し ", {.elements = {W_H}, .heading = true}, kFlipped, "Pelinor - HTML : 見出し <hn>"},
        {"Pelinor - HTML : ﾌﾚｰﾑひな形作成", {.elements = {W_FRAMESET, W_FRAME}}, kDefault,
         "Pelinor - HTML : ﾌﾚｰﾑひな形作成<FRAMESET> <FRAME>"},
        {"Pelinor - HTML : ｸﾘｯｶﾌﾞﾙﾏｯﾌﾟひな型作成 ", {.elements = {W_IMG, W_MAP, W_AREA}}, kFlipped,
         "Pelinor - HTML : ｸﾘｯｶﾌﾞﾙﾏｯﾌﾟひな型作成 <img> <map> <area>"},
        {"Pelinor - HTML : 入力（ﾃｷｽﾄ） ", {.input_type = W_TEXT}, kDefault,
         "Pelinor - HTML : 入力（ﾃｷｽﾄ） <INPUT TYPE=\"text\">"},
        {"Pelinor - HTML : 入力（ﾁｪｯｸﾎﾞｯｸｽ） ", {.input_type = W_CHECKBOX}, {1, 0, 0},
         "Pelinor - HTML : 入力（ﾁｪｯｸﾎﾞｯｸｽ） <input TYPE=\"CHECKBOX\">"},
        {"Pelinor - HTML : ﾃｰﾌﾞﾙｾﾙ ", {.elements = {W_TD, W_TH}}, kDefault, "Pelinor - HTML : ﾃｰﾌﾞﾙｾﾙ <TD> <TH>"},
        {"Pelinor - HTML : 環境設定", {}, kDefault, "Pelinor - HTML : 環境設定"},
    };
    for (const Case& c : cases) {
        DialogDesign d;
        d.caption = c.designed;
        d.appended = c.tail;
        EXPECT_EQ(dialog_caption(d, c.cs), c.caption) << c.designed;
    }
}

TEST(Frame, KeyHookExceptsOnlyColourAndBrowseButtons) {
    struct Case {
        const char* focus;
        int key;
        KeyResult expected;
    };
    const Case cases[] = {
        {"EditSRC", 13, KeyResult::Ok},
        {"ComboBoxCOLOR", 13, KeyResult::Ok},
        {"RadioGroupALIGN", 13, KeyResult::Ok},
        {"ButtonCOLOR", 13, KeyResult::PressFocused},
        {"ButtonSRC", 13, KeyResult::PressFocused},
        {"ButtonCancel", 13, KeyResult::Ok},
        {"ButtonCOLOR", 27, KeyResult::Cancel},
        {"EditSRC", 27, KeyResult::Cancel},
        {"EditSRC", 65, KeyResult::NotTaken},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.form.focus = c.focus;
        EXPECT_EQ(f.dialog.FormShortCut(c.key), c.expected) << c.focus << " " << c.key;
    }
}

TEST(Frame, ColourButtonWritesHexRemembersChoiceAndFocusesTarget) {
    EXPECT_EQ(color_text({255, 0, 0}), "#FF0000");
    EXPECT_EQ(color_text({18, 52, 86}), "#123456");
    EXPECT_EQ(color_text({255, 128, 0}), "#FF8000");

    Fixture f;
    f.dialog.FormShow(kFlipped);  // the value case never touches the colour text
    f.form["ComboBoxCOLOR"].text = "red";
    f.platform.colors = {Rgb{171, 205, 239}, std::nullopt, Rgb{0, 0, 255}};
    f.form.focus = "ButtonCOLOR";
    EXPECT_TRUE(f.dialog.click("ButtonCOLOR"));  // the focus moved
    EXPECT_EQ(f.form.text("ComboBoxCOLOR"), "#ABCDEF");
    EXPECT_EQ(f.form.focus, "ComboBoxCOLOR");

    f.form.focus = "ButtonCOLOR";
    EXPECT_FALSE(f.dialog.click("ButtonCOLOR"));  // cancelled: nothing changes
    EXPECT_EQ(f.form.text("ComboBoxCOLOR"), "#ABCDEF");
    EXPECT_EQ(f.form.focus, "ButtonCOLOR");

    f.dialog.click("ButtonCOLOR");
    EXPECT_EQ(f.form.text("ComboBoxCOLOR"), "#0000FF");
    // Black first, then the last confirmed choice each time.
    EXPECT_EQ(f.platform.color_initials,
              (std::vector<Rgb>{{0, 0, 0}, {171, 205, 239}, {171, 205, 239}}));
}

TEST(Frame, BrowseButtonsFillTheirTargets) {
    // The relative URL needs the edited file's folder to exist.
    const std::string web = (std::filesystem::temp_directory_path() / "corvane-frame-web").string();
    std::filesystem::create_directories(web + "/site/img");
    Fixture f;
    f.host.file_path_bytes = web + "/site/page.htm";
    f.dialog.create();
    f.platform.files = {web + "/site/img/a.gif", std::nullopt, web + "/top.htm"};

    f.dialog.click("ButtonSRC");
    EXPECT_EQ(f.form.text("EditSRC"), "img/a.gif");
    EXPECT_EQ(f.form.focus, "EditSRC");
    EXPECT_EQ(f.platform.file_folders.back(), web + "/site");
    ASSERT_EQ(f.platform.file_filter_lists.back().size(), 3u);
    EXPECT_EQ(f.platform.file_filter_lists.back()[0].description, "ｲﾒｰｼﾞ (*.gif, *.jp*g)");

    f.dialog.click("ButtonSRC");  // cancelled
    EXPECT_EQ(f.form.text("EditSRC"), "img/a.gif");

    f.form.focus = "ButtonHREF";
    f.dialog.click("ButtonHREF");  // relative path, focus stays
    EXPECT_EQ(f.form.text("EditSRC"), "../top.htm");
    EXPECT_EQ(f.form.focus, "ButtonHREF");
}

TEST(Frame, SpinValueReadsTextWithinLimits) {
    struct Case {
        const char* control;
        const char* text;
        int value;
    };
    const Case cases[] = {
        {"CSpinEditLI", "7", 7},     {"CSpinEditLI", "150", 99},  {"CSpinEditLI", "-3", 0},
        {"CSpinEditLI", "abc", 0},   {"CSpinEditLI", "", 0},      {"CSpinEditLI", "4x", 0},
        {"CSpinEditLI", "99999999999999999999", 99}, {"CSpinEditLI", "-99999999999999999999", 0},
        {"CSpinEditFREE", "-40", -40}, {"CSpinEditFREE", "12345", 12345},  // equal limits: none
        {"CSpinEditFREE", "x", 5},
    };
    for (const Case& c : cases) {
        Fixture f;
        Control& spin = f.form[c.control];
        spin.text = c.text;
        EXPECT_EQ(spin.spin_value(), c.value) << c.control << " " << c.text;
        spin.settle_spin();
        EXPECT_EQ(spin.text, std::to_string(c.value));
    }
}

TEST(Frame, OkHandsBothTextsOnceAndCancelNothing) {
    {
        RecordingHost host;
        FakePlatform platform;
        Dialog dialog(TFormFONT(), host, platform);
        dialog.create();
        dialog.FormShow(current_case());
        bool hidden = false;
        dialog.env().hide = [&] {
            hidden = true;
            EXPECT_EQ(host.set_data_count, 0);  // hidden before the texts go
        };
        EXPECT_TRUE(dialog.ButtonOKClick());
        EXPECT_TRUE(hidden);
        EXPECT_TRUE(dialog.closed());
        EXPECT_EQ(host.set_data_count, 1);
        EXPECT_EQ(host.start, "<FONT>");
        EXPECT_EQ(host.end, "</FONT>");
    }
    {
        RecordingHost host;
        FakePlatform platform;
        Dialog dialog(TFormFONT(), host, platform);
        dialog.create();
        dialog.ButtonCancelClick();
        EXPECT_TRUE(dialog.closed());
        EXPECT_EQ(host.set_data_count, 0);
    }
}

TEST(Frame, TextsReachTheHostInItsCodePage) {
    RecordingHost host;
    host.cp = CodePage::Cp932;
    FakePlatform platform;
    Dialog dialog(TFormHn(), host, platform);
    dialog.create();
    dialog.FormShow(current_case());
    dialog.form()["EditTitle"].text = "表示😀";
    ASSERT_TRUE(dialog.ButtonOKClick());
    // 表示 in Shift_JIS; a character the code page lacks goes as a reference.
    EXPECT_EQ(host.start, "<H1>\x95\x5C\x8E\xA6&#128512;");
}

TEST(Frame, HandlerErrorIsShownAndDialogStaysOpen) {
    static const DialogDesign d{
        .class_name = "TFormHR",
        .client_w = 10,
        .client_h = 10,
        .controls = {button("ButtonX", "x", {0, 0, 1, 1})},
        .build = [](const Form& f, BuildContext&) -> TagTexts { return {f.text("Missing"), ""}; },
        .handlers = {{"ButtonX", [](Form&, DialogEnv&) { throw std::runtime_error("boom"); }}},
    };
    RecordingHost host;
    FakePlatform platform;
    Dialog dialog(d, host, platform);
    dialog.click("ButtonX");
    EXPECT_FALSE(dialog.ButtonOKClick());
    EXPECT_FALSE(dialog.closed());
    EXPECT_EQ(host.set_data_count, 0);
    ASSERT_EQ(platform.errors.size(), 2u);
    EXPECT_EQ(platform.errors[0], "boom");
}
