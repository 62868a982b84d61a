// TFormOPTION: one option of a selection list, with its value and the
// initially-selected flag.  It writes no end tag: the selected editor text
// becomes the option's text, and a line break follows it.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_OPTION)
        .write(f.design().clauses)
        .close()
        .end_line()
        .done();
}

}  // namespace

const DialogDesign& TFormOPTION() {
    static const DialogDesign d{
        .class_name = "TFormOPTION",
        .caption = "Pelinor - HTML : 選択項目 ",
        .appended = {.elements = {W_OPTION}},
        .client_w = 320,
        .client_h = 95,
        .controls = {
            parts::text_field("VALUE", "Label1", "値 (          )", 16, 16, {80, 12, 97, 21}),
            parts::flag_box({"SELECTED", "初期状態で選択", {192, 14, 0, 0}, "Label2", "(              )", 208, 33}),
            ok_button(152, 60),
            cancel_button(232, 60),
        },
        .tab_order = {"EditVALUE", "CheckBoxSELECTED"},
        .build = build,
        .clauses = {
            clause::Text{"EditVALUE", "LabelVALUE"},
            clause::Bare{"CheckBoxSELECTED", "LabelSELECTED"},
        },
    };
    return d;
}

}  // namespace corvane
