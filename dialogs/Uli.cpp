// TFormLI: one list item with an optional type and item number.  The item
// needs no end tag.
#include "dialogs/dialogs.h"
#include "dialogs/listparts.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    TagTexts t;
    t.start = "<" + ctx.E(W_LI) + lists::type_clause(f);
    t.start += f.count_clause("CSpinEditVALUE", "LabelVALUE");
    t.start += ">" + ctx.crlf();
    return t;
}

}  // namespace

const DialogDesign& TFormLI() {
    // Only the bullet entries (disc, circle, square) follow the value case;
    // the numbering types differ by letter case alone and never change.
    static const DialogDesign d{
        .class_name = "TFormLI",
        .client_w = 313,
        .client_h = 184,
        .controls = {
            radio_group("RadioGroupTYPE", "種別 (     )",
                        {"標準 (点or数字)", "点   (\"disc\")", "円   (\"circle\")", "四角 (\"square\")",
                         "数字 (\"1\")", "ﾛｰﾏ数字(大)  (\"I\")", "ﾛｰﾏ数字(小)  (\"i\")", "ｱﾙﾌｧﾍﾞｯﾄ(大) (\"A\")",
                         "ｱﾙﾌｧﾍﾞｯﾄ(小) (\"a\")"},
                        {16, 8, 281, 105}, 0, 2)
                .pitch_fixed()
                .upper_with_value(1, 3),
            name_label("StaticTextTYPE", "TYPE", 56, 8),
            hidden_list("RadioGroupTYPEx", {"", "disc", "circle", "square", "1", "I", "i", "A", "a"})
                .upper_with_value(1, 3),
            label("Label2", "項番指定", 16, 128),
            label("Label1", "(          )", 72, 128),
            name_label("LabelVALUE", "VALUE", 80, 128),
            spin("CSpinEditVALUE", {152, 124, 49, 21}, 0, 26),
            ok_button(152, 152),
            cancel_button(232, 152),
        },
        .tab_order = {"RadioGroupTYPE", "CSpinEditVALUE"},
        .build = build,
    };
    return d;
}

}  // namespace corvane
