// TFormMIDPLUG: an EMBED tag for the MIDPLUG MIDI player: where to get the
// plug-in, the panel kind with its size and text, autostart, repeat and
// whether the tune may be saved.  No end text.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "dialogs/soundparts.h"
#include "frame/tagreader.h"

namespace corvane {

namespace {

// The panel items: large white, large black, medium white, medium black,
// small, none.  Only a large panel shows a text.
constexpr int kSmallPanel = 4;
bool large_panel(int item) { return item == 0 || item == 1; }

// Read back, the digit gives the colour and a TEXT the large size; without
// one the panel is of the middle size.
bool read_panel(Form& f, const clause::Own& c, const TagAttribute& a, const StartTag& tag) {
    if (a.bare || (a.value != "0" && a.value != "1")) return false;
    const int large = find_attribute(tag, f.label("LabelTEXT")) ? 0 : 2;
    f[c.control].selected = large + (a.value == "1" ? 1 : 0);
    return true;
}

// The clauses after the sound file's, in the order written.
const clause::TextWhen kPluginsPage{"CheckBoxPLUGINSPAGE", "ComboBoxPLUGINSPAGE", "StaticTextPLUGINSPAGE"};
const clause::Text kWidth{"EditWIDTH", "LabelWIDTH"};
const clause::Text kHeight{"EditHEIGHT", "LabelHEIGHT"};
const clause::Own kPanel{.read = read_panel, .control = "RadioGroupPANEL", .label = "StaticTextPANEL"};
const clause::Always kText{"EditTEXT", "LabelTEXT"};
const clause::Choice kAutostart{"RadioGroupAUTOSTART", "StaticTextAUTOSTART"};
const clause::Repeat kRepeat = sound::repeat_of("REPEAT");
const clause::Choice kSave{"RadioGroupSAVE", "StaticTextSAVE"};

TagTexts build(const Form& f, BuildContext& ctx) {
    TagWriter t = sound::start(f, ctx, W_EMBED);
    t.write(kPluginsPage).write(kWidth).write(kHeight);
    // The panel's colour is a fixed digit: "0" white, "1" black.
    t.reads(kPanel);
    if (const int panel = f.selected("RadioGroupPANEL"); panel >= 0 && panel < kSmallPanel) {
        t.value("StaticTextPANEL", panel % 2 ? "1" : "0");
        if (large_panel(panel)) t.write(kText);
    }
    return t.write(kAutostart).write(kRepeat).write(kSave).close().done();
}

void CheckBoxPLUGINSPAGEClick(Form& f, DialogEnv&) {
    f["ComboBoxPLUGINSPAGE"].enabled = f.checked("CheckBoxPLUGINSPAGE");
}

// Each panel size comes with its size; the text is for large panels.
void RadioGroupPANELClick(Form& f, DialogEnv&) {
    const int panel = f.selected("RadioGroupPANEL");
    sound::apply_preset(f, panel, {{0, 1, "150", "40"}, {2, 3, "100", "30"}, {4, 4, "40", "35"}, {5, 5, "2", "2"}});
    f["EditTEXT"].enabled = large_panel(panel);
}

void RadioGroupREPEATClick(Form& f, DialogEnv&) { sound::enable_count(f, "REPEAT"); }

}  // namespace

const DialogDesign& TFormMIDPLUG() {
    // The plug-in pages are examples under the reserved domain "example";
    // the box stays editable for the real address.
    static const DialogDesign d{
        .class_name = "TFormMIDPLUG",
        .caption = "Pelinor - HTML : MIDPLUG ",
        .appended = {.elements = {W_EMBED}},
        .client_w = 464,
        .client_h = 391,
        .controls = {
            sound::file_row(FilterList::Midi, ButtonRole::BrowseUrl, 16, 12, 400),
            parts::named_box("PLUGINSPAGE", "ﾌﾟﾗｸﾞｲﾝ入手可能URL指定 (                  )", {16, 60, 0, 0}),
            combo_edit("ComboBoxPLUGINSPAGE", {32, 80, 313, 21},
                       {"http://plugins.example/midplug/", "http://plugins.example/midplug/ja/"})
                .disabled(),
            // Left: the panel with its size and text.
            radio_group("RadioGroupPANEL", "ﾊﾟﾈﾙ種別 (         )",
                        {"ｻｲｽﾞ大, 白基調 (PANEL=\"0\")", "ｻｲｽﾞ大, 黒基調 (PANEL=\"1\")",
                         "ｻｲｽﾞ中, 白基調 (PANEL=\"0\")", "ｻｲｽﾞ中, 黒基調 (PANEL=\"1\")", "ｻｲｽﾞ小", "ﾊﾟﾈﾙ非表示"},
                        {16, 112, 209, 125})
                .pitch_fixed()
                .upper_with_value(),
            name_label("StaticTextPANEL", "PANEL", "RadioGroupPANEL"),
            parts::text_field("WIDTH", "Label2", "ｺﾝﾄﾛｰﾙの幅 (         )", 16, 248, {168, 244, 57, 21}, "150"),
            parts::text_field("HEIGHT", "Label9", "ｺﾝﾄﾛｰﾙの高さ (          )", 16, 274, {168, 270, 57, 21}, "40"),
            parts::text_field("TEXT", "Label1", "ﾊﾟﾈﾙ表示文字 (       )", 16, 300, {16, 316, 209, 21}),
            // Right: playing and saving.
            sound::false_true_group("AUTOSTART", "自動再生 (                )", "未指定（する）", {240, 112, 177, 65}),
            sound::repeat_group({"REPEAT", "演奏繰り返し (           )", sound::false_true_items("未指定（する）", true),
                                 sound::false_true_values(true), {240, 184, 177, 93}}),
            sound::false_true_group("SAVE", "保存可 (        )", "未指定（しない）", {240, 284, 177, 69}),
            ok_button(296, 356),
            cancel_button(376, 356),
        },
        .tab_order = {"EditSRC", "ButtonSRC", "CheckBoxPLUGINSPAGE", "ComboBoxPLUGINSPAGE", "RadioGroupPANEL",
                      "EditWIDTH", "EditHEIGHT", "EditTEXT", "RadioGroupAUTOSTART", "RadioGroupREPEAT",
                      "CSpinEditREPEAT", "RadioGroupSAVE"},
        .build = build,
        .clauses = joined(sound::start_clauses(),
                          {kPluginsPage, kWidth, kHeight, kPanel, kText, kAutostart, kRepeat, kSave}),
        .handlers = {{"CheckBoxPLUGINSPAGE", CheckBoxPLUGINSPAGEClick},
                     {"RadioGroupPANEL", RadioGroupPANELClick},
                     {"RadioGroupREPEAT", RadioGroupREPEATClick}},
    };
    return d;
}

}  // namespace corvane
