// TFormUL: an unordered list with an optional bullet type, and as many empty
// LI lines as asked for between the start tag and the selection.
#include "dialogs/dialogs.h"
#include "dialogs/listparts.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    TagWriter t(f, ctx, W_UL);
    t.write(f.design().clauses);
    return lists::with_items(t, f);
}

}  // namespace

void prepare_list_edit(Form& f, const StartTag&) { f["CSpinEditLI"].text.assign(1, '0'); }

const DialogDesign& TFormUL() {
    static const DialogDesign d{
        .class_name = "TFormUL",
        .caption = "Pelinor - HTML : 箇条書きﾘｽﾄ ",
        .appended = {.elements = {W_UL}},
        .client_w = 327,
        .client_h = 110,
        .controls = {
            radio_group("RadioGroupTYPE", "種別 (     )",
                        {"標準", "点   (\"disc\")", "円   (\"circle\")", "四角 (\"square\")"}, {16, 8, 145, 89})
                .pitch_fixed()
                .upper_with_value()
                .twin({"", "disc", "circle", "square"}),
            name_label("StaticTextTYPE", "TYPE", "RadioGroupTYPE"),
            label("Label1", "項目追加数", 184, 16),
            spin("CSpinEditLI", {184, 32, 49, 21}, 0, 99),
            element_label("LabelLI", "<LI>", 240, 36),
            ok_button(168, 72),
            cancel_button(248, 72),
        },
        .tab_order = {"RadioGroupTYPE", "CSpinEditLI"},
        .build = build,
        .clauses = {clause::Choice{"RadioGroupTYPE", "StaticTextTYPE"}},
    };
    return d;
}

}  // namespace corvane
