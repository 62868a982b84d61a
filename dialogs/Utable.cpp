// TFormTABLE: a TABLE element with alignment, border, cell spacing and
// padding, size, background colour and image.  It writes no rows or cells;
// the start and end tags stand on lines of their own.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_TABLE)
        .write(f.design().clauses)
        .close()
        .block()
        .done();
}

}  // namespace

const DialogDesign& TFormTABLE() {
    // The alignment on the left; the five size fields in a column beside it,
    // edits and percent boxes aligned; colour and background image across
    // the width under them.
    static const DialogDesign d{
        .class_name = "TFormTABLE",
        .caption = "Pelinor - HTML : ﾃｰﾌﾞﾙ ",
        .appended = {.elements = {W_TABLE}},
        .client_w = 415,
        .client_h = 261,
        .controls = {
            parts::align_group("配置 (      )", {16, 8, 137, 113}),
            parts::text_field("BORDER", "Label1", "外枠の太さ (           )", 168, 12, {320, 8, 41, 21}),
            parts::text_field("CELLSPACING", "Label2", "ｾﾙ間の隙間 (                   )", 168, 38,
                              {320, 34, 41, 21}),
            parts::text_field("CELLPADDING", "Label3", "ｾﾙ内の隙間 (                   )", 168, 64,
                              {320, 60, 41, 21}),
            parts::percent_field({"WIDTH", "Label4", "ﾃｰﾌﾞﾙの幅 (          )", 168, 90, {320, 86, 41, 21}, 368, 88}),
            parts::percent_field(
                {"HEIGHT", "Label5", "ﾃｰﾌﾞﾙの高さ (           )", 168, 116, {320, 112, 41, 21}, 368, 114}),
            parts::color_box(
                {"BGCOLOR", "Label6", "背景色 (             )", 16, 152, {168, 148, 121, 21}, {296, 148, 49, 21}}),
            parts::text_field("BACKGROUND", "Label7", "背景画像URL (                  )", 16, 182,
                              {168, 178, 177, 21}),
            browse_button("ButtonBACKGROUND", {352, 178, 49, 21}, "EditBACKGROUND", FilterList::Images),
            omit_box("終了タグ省略", {16, 226, 0, 0}),
            ok_button(248, 222),
            cancel_button(328, 222),
        },
        .tab_order = {"RadioGroupALIGN", "EditBORDER", "EditCELLSPACING", "EditCELLPADDING", "EditWIDTH",
                      "CheckBoxWIDTHP", "EditHEIGHT", "CheckBoxHEIGHTP", "ComboBoxBGCOLOR", "ButtonBGCOLOR",
                      "EditBACKGROUND", "ButtonBACKGROUND", kOmitBox},
        .build = build,
        .clauses = {
            clause::Choice{"RadioGroupALIGN", "StaticTextALIGN"},
            clause::Text{"EditBORDER", "LabelBORDER"},
            clause::Text{"EditCELLSPACING", "LabelCELLSPACING"},
            clause::Text{"EditCELLPADDING", "LabelCELLPADDING"},
            clause::Percent{"EditWIDTH", "LabelWIDTH", "CheckBoxWIDTHP"},
            clause::Percent{"EditHEIGHT", "LabelHEIGHT", "CheckBoxHEIGHTP"},
            clause::Text{"ComboBoxBGCOLOR", "LabelBGCOLOR"},
            clause::Text{"EditBACKGROUND", "LabelBACKGROUND"},
        },
    };
    return d;
}

}  // namespace corvane
