// TFormLiveAudio: an EMBED tag for the LiveAudio player: console or single
// controls with their size, start and end time, autostart, loop, and the
// volume or, under master sound, the group's name.  No end text.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "dialogs/soundparts.h"

namespace corvane {

namespace {

constexpr const char* kEmptyTime = "  :  ";

// The clauses after the sound file's, in the order written.
const clause::Bare kHidden{"CheckBoxHIDDEN", "StaticTextHIDDEN"};
const clause::Choice kControls{"RadioGroupCONTROLS", "StaticTextCONTROLS"};
const clause::Text kWidth{"EditWIDTH", "LabelWIDTH"};
const clause::Text kHeight{"EditHEIGHT", "LabelHEIGHT"};
const clause::Text kAlign{"ComboBoxALIGN", "LabelALIGN"};
const clause::Choice kAutostart{"RadioGroupAUTOSTART", "StaticTextAUTOSTART"};
const clause::Repeat kLoop = sound::repeat_of("LOOP");
const clause::TextUnless kStartTime{"MaskEditSTARTTIME", "LabelSTARTTIME", kEmptyTime};
const clause::TextUnless kEndTime{"MaskEditENDTIME", "LabelENDTIME", kEmptyTime};
const clause::Bare kMasterSound{"CheckBoxMASTERSOUND", "StaticTextMASTERSOUND"};
const clause::Text kName{"EditNAME", "LabelNAME"};
const clause::Number kVolume{"CSpinEditVOLUME", "LabelVOLUME", clause::Sign::Positive};

// A hidden console writes HIDDEN instead of the controls and their size;
// master sound writes the group's name instead of the volume.
TagTexts build(const Form& f, BuildContext& ctx) {
    TagWriter t = sound::start(f, ctx, W_EMBED);
    if (f.checked("CheckBoxHIDDEN"))
        t.write(kHidden);
    else
        t.write(kControls).write(kWidth).write(kHeight).write(kAlign);
    t.write(kAutostart).write(kLoop).write(kStartTime).write(kEndTime);
    if (f.checked("CheckBoxMASTERSOUND"))
        t.write(kMasterSound).write(kName);
    else
        t.write(kVolume);
    return t.close().done();
}

void CheckBoxHIDDENClick(Form& f, DialogEnv&) {
    const bool shown = !f.checked("CheckBoxHIDDEN");
    for (const char* c : {"RadioGroupCONTROLS", "EditWIDTH", "EditHEIGHT", "ComboBoxALIGN"}) f[c].enabled = shown;
}

// Each kind of control comes with its usual size.
void RadioGroupCONTROLSClick(Form& f, DialogEnv&) {
    sound::apply_preset(f, f.selected("RadioGroupCONTROLS"),
                        {{0, 1, "144", "60"}, {2, 2, "144", "15"}, {3, 3, "74", "20"}, {4, 6, "37", "22"}});
}

void RadioGroupLOOPClick(Form& f, DialogEnv&) { sound::enable_count(f, "LOOP"); }

void CheckBoxMASTERSOUNDClick(Form& f, DialogEnv&) {
    const bool master = f.checked("CheckBoxMASTERSOUND");
    f["CSpinEditVOLUME"].enabled = !master;
    f["EditNAME"].enabled = master;
}

}  // namespace

const DialogDesign& TFormLiveAudio() {
    static const DialogDesign d{
        .class_name = "TFormLiveAudio",
        .caption = "Pelinor - HTML : LiveAudio ",
        .appended = {.elements = {W_EMBED}},
        .client_w = 464,
        .client_h = 391,
        .controls = {
            sound::file_row(FilterList::Midi, ButtonRole::BrowseUrl, 16, 12, 400),
            // Left: the console and its size, then the times.
            parts::named_box("HIDDEN", "ｺﾝｿｰﾙ非表示 (           )", {16, 60, 0, 0}),
            parts::value_group({"CONTROLS", "ｺﾝﾄﾛｰﾙ (         )",
                                {"未指定       (ｺﾝｿｰﾙ（大）)", "ｺﾝｿｰﾙ（大）  (\"console\")",
                                 "ｺﾝｿｰﾙ（小）  (\"smallconsole\")", "ﾎﾞﾘｭｰﾑ       (\"volumelever\")",
                                 "再生ﾎﾞﾀﾝ     (\"playbutton\")", "停止ﾎﾞﾀﾝ     (\"stopbutton\")",
                                 "一時停止ﾎﾞﾀﾝ (\"pausebutton\")"},
                                {"", "console", "smallconsole", "volumelever", "playbutton", "stopbutton",
                                 "pausebutton"},
                                {16, 80, 225, 145},
                                1,
                                0,
                                true}),
            parts::text_field("WIDTH", "Label2", "ｺﾝﾄﾛｰﾙの幅 (          )", 16, 236, {168, 232, 57, 21}, "144"),
            parts::text_field("HEIGHT", "Label9", "ｺﾝﾄﾛｰﾙの高さ (           )", 16, 262, {168, 258, 57, 21}, "60"),
            parts::captioned("Label10", "ﾃｷｽﾄとｺﾝﾄﾛｰﾙの位置 (          )", "LabelALIGN", "ALIGN", 16, 288),
            combo_edit("ComboBoxALIGN", {16, 304, 113, 21},
                       {"top", "texttop", "middle", "absmiddle", "center", "bottom", "absbottom", "baseline", "left",
                        "right"})
                .upper_with_value(),
            parts::captioned("Label1", "開始時間 (               )", "LabelSTARTTIME", "STARTTIME", 16, 340),
            mask_edit("MaskEditSTARTTIME", {176, 336, 41, 21}, "00:00", kEmptyTime),
            label("Label5", "mm:ss", 222, 340),
            parts::captioned("Label6", "終了時間 (            )", "LabelENDTIME", "ENDTIME", 16, 366),
            mask_edit("MaskEditENDTIME", {176, 362, 41, 21}, "00:00", kEmptyTime),
            label("Label7", "mm:ss", 222, 366),
            // Right: playing, then the volume or the master sound group.
            sound::false_true_group("AUTOSTART", "自動再生 (          )", "未指定（しない）", {248, 60, 177, 69}, 2),
            sound::repeat_group({"LOOP", "演奏繰り返し (     )", sound::false_true_items("未指定（しない）", true),
                                 sound::false_true_values(true), {248, 136, 177, 93}}),
            parts::captioned("Label4", "音量 (           )", "LabelVOLUME", "VOLUME", 248, 236),
            spin("CSpinEditVOLUME", {360, 232, 49, 21}, 0, 100),
            parts::named_box("MASTERSOUND", "全体管理 (                  )", {248, 262, 0, 0}),
            parts::captioned("Label8", "名前 (        )", "LabelNAME", "NAME", 264, 290),
            edit("EditNAME", {344, 286, 97, 21}).disabled(),
            ok_button(296, 356),
            cancel_button(376, 356),
        },
        .tab_order = {"EditSRC", "ButtonSRC", "CheckBoxHIDDEN", "RadioGroupCONTROLS", "EditWIDTH", "EditHEIGHT",
                      "ComboBoxALIGN", "MaskEditSTARTTIME", "MaskEditENDTIME", "RadioGroupAUTOSTART",
                      "RadioGroupLOOP", "CSpinEditVOLUME", "CheckBoxMASTERSOUND", "EditNAME", "CSpinEditLOOP"},
        .build = build,
        .clauses = joined(sound::start_clauses(), {kHidden, kControls, kWidth, kHeight, kAlign, kAutostart, kLoop,
                                                   kStartTime, kEndTime, kMasterSound, kName, kVolume}),
        .handlers = {{"CheckBoxHIDDEN", CheckBoxHIDDENClick},
                     {"RadioGroupCONTROLS", RadioGroupCONTROLSClick},
                     {"RadioGroupLOOP", RadioGroupLOOPClick},
                     {"CheckBoxMASTERSOUND", CheckBoxMASTERSOUNDClick}},
    };
    return d;
}

}  // namespace corvane
