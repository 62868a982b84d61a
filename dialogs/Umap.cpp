// TFormMAP: a MAP element with its name around the selection.  Unless the
// end tag is left out, the start tag ends its line.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    TagWriter t(f, ctx, W_MAP);
    t.write(f.design().clauses).close();
    if (!t.omitted()) t.line();
    return t.end_tag().done();
}

}  // namespace

const DialogDesign& TFormMAP() {
    static const DialogDesign d{
        .class_name = "TFormMAP",
        .caption = "Pelinor - HTML : ﾏｯﾌﾟ ",
        .appended = {.elements = {W_MAP}},
        .client_w = 306,
        .client_h = 95,
        .controls = {
            parts::captioned("Label3", "ﾏｯﾌﾟ名 (        )", "LabelNAME", "NAME", 16, 20),
            edit("EditUSEMAP", {112, 16, 177, 21}),
            omit_box("終了ﾀｸﾞ省略", {16, 60, 0, 0}),
            ok_button(136, 56),
            cancel_button(216, 56),
        },
        .tab_order = {"EditUSEMAP", kOmitBox},
        .build = build,
        .clauses = {clause::Always{"EditUSEMAP", "LabelNAME"}},
    };
    return d;
}

}  // namespace corvane
