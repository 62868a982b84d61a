// TFormCAPTION: a table's CAPTION with its text and position.  With the end
// tag omitted the caption is left as a bare start tag, without the text.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    TagWriter t(f, ctx, W_CAPTION);
    t.write(f.design().clauses).close();
    if (!t.omitted()) t.put(f.text("EditCAPTION"));
    return t.end_tag().done();
}

}  // namespace

void prepare_caption_edit(Form& f, const StartTag&) { f["EditCAPTION"].enabled = false; }

const DialogDesign& TFormCAPTION() {
    static const DialogDesign d{
        .class_name = "TFormCAPTION",
        .caption = "Pelinor - HTML : ﾃｰﾌﾞﾙ表題 ",
        .appended = {.elements = {W_CAPTION}},
        .client_w = 332,
        .client_h = 136,
        .controls = {
            label("Label1", "表題", 16, 16),
            edit("EditCAPTION", {48, 12, 268, 21}),
            parts::value_group({"ALIGN", "配置 (      )", {"未指定", "上 (\"top\")", "下 (\"bottom\")"},
                                {"", "top", "bottom"}, {16, 44, 137, 85}}),
            omit_box("終了タグ省略", {176, 60, 0, 0}),
            ok_button(164, 100),
            cancel_button(244, 100),
        },
        .tab_order = {"EditCAPTION", "RadioGroupALIGN", kOmitBox},
        .build = build,
        .clauses = {clause::Choice{"RadioGroupALIGN", "StaticTextALIGN"}},
    };
    return d;
}

}  // namespace corvane
