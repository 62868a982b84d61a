// TFormOL: an ordered list with an optional numbering type and start number,
// and as many empty LI lines as asked for between the start tag and the
// selection.
#include "dialogs/dialogs.h"
#include "dialogs/listparts.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    TagWriter t(f, ctx, W_OL);
    t.write(f.design().clauses);
    return lists::with_items(t, f);
}

}  // namespace

const DialogDesign& TFormOL() {
    // The type values differ only by letter case ("I" and "i"), so the value
    // case never touches them.
    static const DialogDesign d{
        .class_name = "TFormOL",
        .caption = "Pelinor - HTML : 項番付きﾘｽﾄ ",
        .appended = {.elements = {W_OL}},
        .client_w = 353,
        .client_h = 151,
        .controls = {
            radio_group("RadioGroupTYPE", "種別 (     )",
                        {"標準         (数字)", "数字         (\"1\")", "ﾛｰﾏ数字(大)  (\"I\")",
                         "ﾛｰﾏ数字(小)  (\"i\")", "ｱﾙﾌｧﾍﾞｯﾄ(大) (\"A\")", "ｱﾙﾌｧﾍﾞｯﾄ(小) (\"a\")"},
                        {16, 8, 161, 133})
                .pitch_fixed()
                .twin({"", "1", "I", "i", "A", "a"}),
            name_label("StaticTextTYPE", "TYPE", "RadioGroupTYPE"),
            label("Label2", "開始番号 (         )", 200, 16),
            name_label("LabelSTART", "START", "Label2"),
            spin("CSpinEditSTART", {200, 32, 49, 21}, 0, 26),
            label("Label1", "項目追加数", 200, 64),
            spin("CSpinEditLI", {200, 80, 49, 21}, 0, 99),
            element_label("LabelLI", "<LI>", 256, 84),
            ok_button(192, 116),
            cancel_button(272, 116),
        },
        .tab_order = {"RadioGroupTYPE", "CSpinEditSTART", "CSpinEditLI"},
        .build = build,
        .clauses = {
            clause::Choice{"RadioGroupTYPE", "StaticTextTYPE"},
            clause::Number{"CSpinEditSTART", "LabelSTART", clause::Sign::Positive},
        },
    };
    return d;
}

}  // namespace corvane
