// TFormHR: a horizontal rule with thickness, length, alignment and no-shade
// flag.  It has no end text.
#include "dialogs/dialogs.h"
#include "frame/form.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    TagTexts t;
    t.start = "<" + ctx.E(W_HR);
    t.start += f.text_clause("EditSIZE", "LabelSIZE");
    if (const std::string& width = f.text("EditWIDTH"); !width.empty())
        t.start += attr(f.label("LabelWIDTH"), width + (f.checked("CheckBoxWIDTHP") ? "%" : ""));
    t.start += f.choice_clause("RadioGroupALIGN", "RadioGroupALIGNx", "StaticTextALIGN");
    if (f.checked("CheckBoxNOSHADE")) t.start += " " + f.label("StaticTextNOSHADE");
    t.start += ">" + ctx.crlf();
    return t;
}

}  // namespace

const DialogDesign& TFormHR() {
    static const DialogDesign d{
        .class_name = "TFormHR",
        .client_w = 328,
        .client_h = 142,
        .controls = {
            radio_group("RadioGroupALIGN", "左右配置 (      )",
                        {"未指定", "左側 (\"left\")", "中央 (\"center\")", "右側 (\"right\")"}, {16, 16, 129, 89})
                .upper_with_value(),
            name_label("StaticTextALIGN", "ALIGN", 86, 16),
            hidden_list("RadioGroupALIGNx", {"", "left", "center", "right"}).upper_with_value(),
            label("Label3", "太さ (        )", 160, 24),
            name_label("LabelSIZE", "SIZE", 193, 24),
            edit("EditSIZE", {232, 20, 33, 20}),
            label("Label4", "長さ (         )", 160, 48),
            name_label("LabelWIDTH", "WIDTH", 192, 48),
            edit("EditWIDTH", {232, 44, 33, 20}),
            check_box("CheckBoxWIDTHP", "％", {272, 48, 0, 0}),
            check_box("CheckBoxNOSHADE", "影なし (            )", {176, 72, 121, 17}),
            name_label("StaticTextNOSHADE", "NOSHADE", 237, 74),
            ok_button(160, 104),
            cancel_button(240, 104),
        },
        .tab_order = {"EditSIZE", "EditWIDTH", "CheckBoxWIDTHP", "CheckBoxNOSHADE", "RadioGroupALIGN"},
        .build = build,
    };
    return d;
}

}  // namespace corvane
