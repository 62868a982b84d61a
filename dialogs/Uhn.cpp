// TFormHn: a heading H1 to H6 with optional alignment; the heading text
// typed in the dialog goes into the start text.
#include "dialogs/dialogs.h"
#include "frame/form.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    const std::string n = std::to_string(f.selected("RadioGroupSize") + 1);
    TagTexts t;
    t.start = "<" + ctx.E(W_H) + n;
    t.start += f.choice_clause("RadioGroupALIGN", "RadioGroupALIGNx", "StaticTextALIGN");
    t.start += ">" + f.text("EditTitle");
    t.end = "</" + ctx.E(W_H) + n + ">" + ctx.crlf();
    return t;
}

}  // namespace

const DialogDesign& TFormHn() {
    static const DialogDesign d{
        .class_name = "TFormHn",
        .client_w = 297,
        .client_h = 198,
        .controls = {
            label("Label1", "見出し文字", 16, 20),
            edit("EditTitle", {80, 16, 201, 20}),
            radio_group("RadioGroupSize", "大きさ （n）",
                        {"大 (\"1\")", "∨ (\"2\")", "∨ (\"3\")", "∨ (\"4\")", "∨ (\"5\")", "小 (\"6\")"},
                        {16, 48, 97, 129}),
            radio_group("RadioGroupALIGN", "配置 (      )",
                        {"未指定", "左側 (\"left\")", "中央 (\"center\")", "右側 (\"right\")"}, {136, 48, 137, 89})
                .upper_with_value(),
            name_label("StaticTextALIGN", "ALIGN", 182, 48),
            hidden_list("RadioGroupALIGNx", {"", "left", "center", "right"}).upper_with_value(),
            ok_button(128, 160),
            cancel_button(208, 160),
        },
        .tab_order = {"EditTitle", "RadioGroupSize", "RadioGroupALIGN"},
        .build = build,
    };
    return d;
}

}  // namespace corvane
