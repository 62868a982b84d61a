// TFormOL: an ordered list with an optional numbering type and start number,
// and as many empty LI lines as asked for between the start tag and the
// selection.
#include "dialogs/dialogs.h"
#include "dialogs/listparts.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    TagTexts t;
    t.start = "<" + ctx.E(W_OL) + lists::type_clause(f);
    t.start += f.count_clause("CSpinEditSTART", "LabelSTART");
    t.start += ">" + ctx.crlf();
    t.start += lists::item_lines(f, ctx, f.spin("CSpinEditLI"), {{" ", "LabelLI"}});
    t.end = "</" + ctx.E(W_OL) + ">" + ctx.crlf();
    return t;
}

}  // namespace

const DialogDesign& TFormOL() {
    // The type values differ only by letter case ("I" and "i"), so the value
    // case never touches them.
    static const DialogDesign d{
        .class_name = "TFormOL",
        .client_w = 353,
        .client_h = 151,
        .controls = {
            radio_group("RadioGroupTYPE", "種別 (     )",
                        {"標準         (数字)", "数字         (\"1\")", "ﾛｰﾏ数字(大)  (\"I\")",
                         "ﾛｰﾏ数字(小)  (\"i\")", "ｱﾙﾌｧﾍﾞｯﾄ(大) (\"A\")", "ｱﾙﾌｧﾍﾞｯﾄ(小) (\"a\")"},
                        {16, 8, 161, 133})
                .pitch_fixed(),
            name_label("StaticTextTYPE", "TYPE", 56, 8),
            hidden_list("RadioGroupTYPEx", {"", "1", "I", "i", "A", "a"}),
            label("Label2", "開始番号 (         )", 200, 16),
            name_label("LabelSTART", "START", 256, 16),
            spin("CSpinEditSTART", {200, 32, 49, 21}, 0, 26),
            label("Label1", "項目追加数", 200, 64),
            spin("CSpinEditLI", {200, 80, 49, 21}, 0, 99),
            element_label("LabelLI", "<LI>", 256, 84),
            ok_button(192, 116),
            cancel_button(272, 116),
        },
        .tab_order = {"RadioGroupTYPE", "CSpinEditSTART", "CSpinEditLI"},
        .build = build,
    };
    return d;
}

}  // namespace corvane
