// TFormHn: a heading H1 to H6 with optional alignment; the heading text
// typed in the dialog goes into the start text.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagreader.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

// The heading's level is its size item plus one; the typed heading text
// follows the start tag.
TagTexts build(const Form& f, BuildContext& ctx) {
    const std::string n = std::to_string(f.selected("RadioGroupSize") + 1);
    TagWriter t(f, ctx, W_H);
    t.put(n).write(f.design().clauses).close().put(f.text("EditTitle"));
    return t.end_put("</" + t.element() + n + ">").end_line().done();
}

}  // namespace

void prepare_heading_edit(Form& f, const StartTag& tag) {
    f["RadioGroupSize"].selected = tag.name[1] - '1';
    f["EditTitle"].enabled = false;  // the heading's text is the content
}

const DialogDesign& TFormHn() {
    static const DialogDesign d{
        .class_name = "TFormHn",
        .caption = "Pelinor - HTML : 見出し ",
        .appended = {.elements = {W_H}, .heading = true},
        .client_w = 297,
        .client_h = 198,
        .controls = {
            label("Label1", "見出し文字", 16, 20),
            edit("EditTitle", {80, 16, 201, 20}),
            radio_group("RadioGroupSize", "大きさ （n）",
                        {"大 (\"1\")", "∨ (\"2\")", "∨ (\"3\")", "∨ (\"4\")", "∨ (\"5\")", "小 (\"6\")"},
                        {16, 48, 97, 129}),
            parts::align_group("配置 (      )", {136, 48, 137, 89}),
            ok_button(128, 160),
            cancel_button(208, 160),
        },
        .tab_order = {"EditTitle", "RadioGroupSize", "RadioGroupALIGN"},
        .build = build,
        .clauses = {clause::Choice{"RadioGroupALIGN", "StaticTextALIGN"}},
    };
    return d;
}

}  // namespace corvane
