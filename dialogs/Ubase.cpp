// TFormBASE: the document's base URL and default target.  HREF is written
// even when empty; there is no end text.
#include "dialogs/dialogs.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_BASE)
        .write(f.design().clauses)
        .close()
        .line()
        .done();
}

}  // namespace

const DialogDesign& TFormBASE() {
    static const DialogDesign d{
        .class_name = "TFormBASE",
        .caption = "Pelinor - HTML : 基準URL ",
        .appended = {.elements = {W_BASE}},
        .client_w = 417,
        .client_h = 119,
        .controls = {
            label("Label2", "基準URL (        )", 16, 20),
            name_label("LabelHREF", "HREF", "Label2"),
            edit("EditHREF", {128, 16, 273, 21}),
            label("Label9", "ﾀｰｹﾞｯﾄ (           )", 16, 52),
            name_label("LabelTARGET", "TARGET", "Label9"),
            target_combo("ComboBoxTARGET", {128, 48, 121, 21}),
            ok_button(248, 84),
            cancel_button(328, 84),
        },
        .tab_order = {"EditHREF", "ComboBoxTARGET"},
        .build = build,
        .clauses = {
            clause::Always{"EditHREF", "LabelHREF"},
            clause::Text{"ComboBoxTARGET", "LabelTARGET"},
        },
    };
    return d;
}

}  // namespace corvane
