// TFormLI: one list item with an optional type and item number.  The item
// needs no end tag.
#include "dialogs/dialogs.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_LI)
        .write(f.design().clauses)
        .close()
        .line()
        .done();
}

}  // namespace

const DialogDesign& TFormLI() {
    // Only the bullet entries (disc, circle, square) follow the value case;
    // the numbering types differ by letter case alone and never change.
    static const DialogDesign d{
        .class_name = "TFormLI",
        .caption = "Pelinor - HTML : ﾘｽﾄの項目 ",
        .appended = {.elements = {W_LI}},
        .client_w = 313,
        .client_h = 184,
        .controls = {
            radio_group("RadioGroupTYPE", "種別 (     )",
                        {"標準 (点or数字)", "点   (\"disc\")", "円   (\"circle\")", "四角 (\"square\")",
                         "数字 (\"1\")", "ﾛｰﾏ数字(大)  (\"I\")", "ﾛｰﾏ数字(小)  (\"i\")", "ｱﾙﾌｧﾍﾞｯﾄ(大) (\"A\")",
                         "ｱﾙﾌｧﾍﾞｯﾄ(小) (\"a\")"},
                        {16, 8, 281, 105}, 0, 2)
                .pitch_fixed()
                .upper_with_value(1, 3)
                .twin({"", "disc", "circle", "square", "1", "I", "i", "A", "a"}),
            name_label("StaticTextTYPE", "TYPE", "RadioGroupTYPE"),
            label("Label2", "項番指定", 16, 128),
            label("Label1", "(          )", 72, 128),
            name_label("LabelVALUE", "VALUE", "Label1"),
            spin("CSpinEditVALUE", {152, 124, 49, 21}, 0, 26),
            ok_button(152, 152),
            cancel_button(232, 152),
        },
        .tab_order = {"RadioGroupTYPE", "CSpinEditVALUE"},
        .build = build,
        .clauses = {
            clause::Choice{"RadioGroupTYPE", "StaticTextTYPE"},
            clause::Number{"CSpinEditVALUE", "LabelVALUE", clause::Sign::Positive},
        },
    };
    return d;
}

}  // namespace corvane
