// TFormTR: a table row with horizontal and vertical alignment and a
// background colour.  It writes no cells.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_TR)
        .write(f.design().clauses)
        .close()
        .end_tag()
        .done();
}

}  // namespace

const DialogDesign& TFormTR() {
    static const DialogDesign d{
        .class_name = "TFormTR",
        .caption = "Pelinor - HTML : ﾃｰﾌﾞﾙ行 ",
        .appended = {.elements = {W_TR}},
        .client_w = 305,
        .client_h = 189,
        .controls = {
            parts::align_group("左右配置 (      )", {16, 8, 129, 105}),
            parts::valign_group("上下配置 (       )", {160, 8, 129, 105}),
            parts::color_box(
                {"BGCOLOR", "Label1", "背景色 (            )", 16, 128, {112, 124, 121, 21}, {240, 124, 49, 21}}),
            omit_box("終了タグ省略", {16, 160, 0, 0}),
            ok_button(136, 156),
            cancel_button(216, 156),
        },
        .tab_order = {"RadioGroupALIGN", "RadioGroupVALIGN", "ComboBoxBGCOLOR", "ButtonBGCOLOR", kOmitBox},
        .build = build,
        .clauses = {
            clause::Choice{"RadioGroupALIGN", "StaticTextALIGN"},
            clause::Choice{"RadioGroupVALIGN", "StaticTextVALIGN"},
            clause::Text{"ComboBoxBGCOLOR", "LabelBGCOLOR"},
        },
    };
    return d;
}

}  // namespace corvane
