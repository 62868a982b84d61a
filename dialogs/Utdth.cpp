// TFormTDTH: one table cell, a data cell (TD) or a header cell (TH), with
// alignment, spans, size, background colour and the no-wrap flag.  The kind
// items name the elements, so they follow the element case.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagreader.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, f.selected("RadioGroupKind") == 0 ? W_TD : W_TH)
        .write(f.design().clauses)
        .close()
        .end_tag()
        .done();
}

}  // namespace

void prepare_cell_edit(Form& f, const StartTag& tag) {
    f["RadioGroupKind"].selected = equal_ignoring_case(tag.name, "TH") ? 1 : 0;
}

const DialogDesign& TFormTDTH() {
    // Kind and no-wrap flag, horizontal and vertical alignment side by side
    // on top; spans on the left and sizes on the right under them; the
    // colour last.
    static const DialogDesign d{
        .class_name = "TFormTDTH",
        .caption = "Pelinor - HTML : ﾃｰﾌﾞﾙｾﾙ ",
        .appended = {.elements = {W_TD, W_TH}},
        .client_w = 417,
        .client_h = 238,
        .controls = {
            radio_group("RadioGroupKind", "種別", {"ﾃﾞｰﾀ <TD>", "項目 <TH>"}, {16, 8, 105, 57})
                .lower_with_element(),
            parts::flag_box({"NOWRAP", "折り返し禁止", {20, 74, 0, 0}, "Label1", "(           )", 38, 93}),
            parts::align_group("左右配置 (      )", {132, 8, 129, 105}),
            parts::valign_group("上下配置 (       )", {272, 8, 129, 105}),
            parts::text_field("COLSPAN", "Label2", "横ｾﾙ連結数 (            )", 16, 128, {144, 124, 41, 21}),
            parts::text_field("ROWSPAN", "Label3", "縦ｾﾙ連結数 (            )", 16, 154, {144, 150, 41, 21}),
            parts::percent_field({"WIDTH", "Label4", "ｾﾙの幅 (          )", 208, 128, {312, 124, 41, 21}, 360, 126}),
            parts::percent_field(
                {"HEIGHT", "Label5", "ｾﾙの高さ (           )", 208, 154, {312, 150, 41, 21}, 360, 152}),
            parts::color_box(
                {"BGCOLOR", "Label6", "背景色 (             )", 16, 184, {144, 180, 121, 21}, {272, 180, 49, 21}}),
            omit_box("終了タグ省略", {16, 214, 0, 0}),
            ok_button(248, 208),
            cancel_button(328, 208),
        },
        .tab_order = {"RadioGroupKind", "RadioGroupALIGN", "RadioGroupVALIGN", "CheckBoxNOWRAP", "EditCOLSPAN",
                      "EditROWSPAN", "EditWIDTH", "CheckBoxWIDTHP", "EditHEIGHT", "CheckBoxHEIGHTP",
                      "ComboBoxBGCOLOR", "ButtonBGCOLOR", kOmitBox},
        .build = build,
        .clauses = {
            clause::Choice{"RadioGroupALIGN", "StaticTextALIGN"},
            clause::Choice{"RadioGroupVALIGN", "StaticTextVALIGN"},
            clause::Text{"EditCOLSPAN", "LabelCOLSPAN"},
            clause::Text{"EditROWSPAN", "LabelROWSPAN"},
            clause::Percent{"EditWIDTH", "LabelWIDTH", "CheckBoxWIDTHP"},
            clause::Percent{"EditHEIGHT", "LabelHEIGHT", "CheckBoxHEIGHTP"},
            clause::Text{"ComboBoxBGCOLOR", "LabelBGCOLOR"},
            clause::Bare{"CheckBoxNOWRAP", "LabelNOWRAP"},
        },
    };
    return d;
}

}  // namespace corvane
