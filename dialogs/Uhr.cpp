// TFormHR: a horizontal rule with thickness, length, alignment and no-shade
// flag.  It has no end text.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_HR)
        .write(f.design().clauses)
        .close()
        .line()
        .done();
}

}  // namespace

const DialogDesign& TFormHR() {
    static const DialogDesign d{
        .class_name = "TFormHR",
        .caption = "Pelinor - HTML : 罫線 ",
        .appended = {.elements = {W_HR}},
        .client_w = 328,
        .client_h = 142,
        .controls = {
            parts::align_group("左右配置 (      )", {16, 16, 129, 89}),
            parts::text_field("SIZE", "Label3", "太さ (        )", 160, 24, {232, 20, 33, 20}),
            parts::percent_field({"WIDTH", "Label4", "長さ (         )", 160, 48, {232, 44, 33, 20}, 272, 48}),
            check_box("CheckBoxNOSHADE", "影なし (            )", {176, 72, 121, 17}),
            name_label("StaticTextNOSHADE", "NOSHADE", "CheckBoxNOSHADE"),
            ok_button(160, 104),
            cancel_button(240, 104),
        },
        .tab_order = {"EditSIZE", "EditWIDTH", "CheckBoxWIDTHP", "CheckBoxNOSHADE", "RadioGroupALIGN"},
        .build = build,
        .clauses = {
            clause::Text{"EditSIZE", "LabelSIZE"},
            clause::Percent{"EditWIDTH", "LabelWIDTH", "CheckBoxWIDTHP"},
            clause::Choice{"RadioGroupALIGN", "StaticTextALIGN"},
            clause::Bare{"CheckBoxNOSHADE", "StaticTextNOSHADE"},
        },
    };
    return d;
}

}  // namespace corvane
