// TFormBODY: the BODY start tag with its background and colours and, unless
// the omit box is checked, the BODY end tag, each ending its own line.
#include "dialogs/dialogs.h"
#include "dialogs/pageparts.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    TagWriter t(f, ctx, W_BODY);
    page::body_attributes(t).close();
    if (!t.omitted()) t.line().end_tag().end_line();
    return t.done();
}

}  // namespace

const DialogDesign& TFormBODY() {
    static const DialogDesign d{
        .class_name = "TFormBODY",
        .caption = "Pelinor - HTML : 本体部 ",
        .appended = {.elements = {W_BODY}},
        .client_w = 417,
        .client_h = 205,
        .controls = {
            page::body_fields(8),
            omit_box("終了ﾀｸﾞ省略", {224, 144, 0, 0}),
            ok_button(248, 172),
            cancel_button(328, 172),
        },
        .tab_order = {"EditBACKGROUND", "ButtonBACKGROUND", "ComboBoxBGCOLOR", "ButtonBGCOLOR", "ComboBoxTEXT",
                      "ButtonTEXT", "ComboBoxLINK", "ButtonLINK", "ComboBoxVLINK", "ButtonVLINK", "ComboBoxALINK",
                      "ButtonALINK", kOmitBox},
        .build = build,
        .clauses = page::body_clauses(),
    };
    return d;
}

}  // namespace corvane
