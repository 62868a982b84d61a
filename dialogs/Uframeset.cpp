// TFormFRAMESET: one FRAMESET start tag and, unless the omit box is checked,
// its end tag on lines of their own around the selection (typically the
// FRAME lines of the set).
#include "dialogs/dialogs.h"
#include "dialogs/frameparts.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    TagWriter t = frames::frameset_start_tag(f, ctx);
    if (!t.omitted()) t.line().end_line().end_tag().end_line();
    return t.done();
}

}  // namespace

const DialogDesign& TFormFRAMESET() {
    static const DialogDesign d{
        .class_name = "TFormFRAMESET",
        .caption = "Pelinor - HTML : ﾌﾚｰﾑｾｯﾄ ",
        .appended = {.elements = {W_FRAMESET}},
        .client_w = 361,
        .client_h = 224,
        .controls = {
            frames::frameset_part(),
            omit_box("終了タグ省略", {192, 156, 0, 0}),
            ok_button(192, 188),
            cancel_button(272, 188),
        },
        .tab_order = {"EditCOLSROWS", "EditBORDER", "EditFRAMESPACING", "ComboBoxBORDERCOLOR", "ButtonBORDERCOLOR",
                      kOmitBox, "RadioGroupKind", "RadioGroupFRAMEBORDER"},
        .build = build,
        .clauses = frames::frameset_clauses(),
    };
    return d;
}

}  // namespace corvane
