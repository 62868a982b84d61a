// TFormSELECT: a selection list with its name, visible rows and the
// multiple-choice flag, followed by as many empty option lines as asked for.
// It has no omit box: the end tag always follows the selection.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_SELECT)
        .write(f.design().clauses)
        .close()
        .line()
        .lines(f.spin("CSpinEditOPTION"), {{" ", "LabelOPTION"}})
        .end_tag()
        .end_line()
        .done();
}

}  // namespace

void prepare_select_edit(Form& f, const StartTag&) { f["CSpinEditOPTION"].text.assign(1, '0'); }

const DialogDesign& TFormSELECT() {
    static const DialogDesign d{
        .class_name = "TFormSELECT",
        .caption = "Pelinor - HTML : 選択 ",
        .appended = {.elements = {W_SELECT}},
        .client_w = 332,
        .client_h = 126,
        .controls = {
            parts::text_field("NAME", "Label1", "名前 (        )", 16, 14, {104, 10, 113, 21}),
            parts::text_field("SIZE", "Label2", "表示行数(       )", 16, 42, {104, 38, 41, 21}),
            parts::flag_box({"MULTIPLE", "複数選択可", {232, 12, 0, 0}, "Label3", "(         )", 248, 31}),
            element_label("LabelOPTION", "<OPTION>", 16, 70),
            label("Label4", "項目追加数", 78, 70),
            spin("CSpinEditOPTION", {144, 66, 49, 21}, 0, 99),
            ok_button(168, 94),
            cancel_button(248, 94),
        },
        .tab_order = {"EditNAME", "EditSIZE", "CheckBoxMULTIPLE", "CSpinEditOPTION"},
        .build = build,
        .clauses = {
            clause::Text{"EditNAME", "LabelNAME"},
            clause::Text{"EditSIZE", "LabelSIZE"},
            clause::Bare{"CheckBoxMULTIPLE", "LabelMULTIPLE"},
        },
    };
    return d;
}

}  // namespace corvane
