// TFormDL: a definition list start tag with as many empty DT/DD pairs as
// asked for before the selection.  Unlike the UL and OL dialogs it writes no
// end tag; the user closes the list where it ends.
#include "dialogs/dialogs.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_DL)
        .close()
        .line()
        .lines(f.spin("CSpinEditDTDD"), {{" ", "LabelDT"}, {"  ", "LabelDD"}})
        .done();
}

}  // namespace

void prepare_dl_edit(Form& f, const StartTag&) { f["CSpinEditDTDD"].text.assign(1, '0'); }

const DialogDesign& TFormDL() {
    static const DialogDesign d{
        .class_name = "TFormDL",
        .caption = "Pelinor - HTML : 定義ﾘｽﾄ ",
        .appended = {.elements = {W_DL}},
        .client_w = 227,
        .client_h = 95,
        .controls = {
            label("Label1", "項目追加数", 16, 12),
            spin("CSpinEditDTDD", {16, 28, 49, 21}, 0, 99),
            element_label("LabelDT", "<DT>", 76, 24),
            element_label("LabelDD", "<DD>", 88, 40),
            ok_button(64, 64),
            cancel_button(144, 64),
        },
        .tab_order = {"CSpinEditDTDD"},
        .build = build,
    };
    return d;
}

}  // namespace corvane
