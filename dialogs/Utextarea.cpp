// TFormTEXTAREA: a multi-line text field with its name, size and wrapping.
// The start and end tags stand on lines of their own.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

TagTexts build(const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_TEXTAREA)
        .write(f.design().clauses)
        .close()
        .block()
        .done();
}

}  // namespace

const DialogDesign& TFormTEXTAREA() {
    // Name and size in a column on the left, the wrapping beside them.
    static const DialogDesign d{
        .class_name = "TFormTEXTAREA",
        .caption = "Pelinor - HTML : 複数行入力 ",
        .appended = {.elements = {W_TEXTAREA}},
        .client_w = 320,
        .client_h = 188,
        .controls = {
            parts::text_field("NAME", "Label1", "名前 (        )", 16, 20, {80, 16, 49, 21}),
            parts::text_field("COLS", "Label2", "桁数 (        )", 16, 52, {80, 48, 49, 21}),
            parts::text_field("ROWS", "Label3", "行数 (        )", 16, 84, {80, 80, 49, 21}),
            parts::value_group({"WRAP", "自動改行 (     )",
                                {"省略", "なし (\"off\")", "あり (\"hard\")", "ｻｰﾊﾞ以外あり (\"soft\")"},
                                {"", "off", "hard", "soft"}, {136, 8, 169, 113}}),
            omit_box("終了タグ省略", {16, 156, 0, 0}),
            ok_button(152, 152),
            cancel_button(232, 152),
        },
        .tab_order = {"EditNAME", "EditCOLS", "EditROWS", "RadioGroupWRAP", kOmitBox},
        .build = build,
        .clauses = {
            clause::Text{"EditNAME", "LabelNAME"},
            clause::Text{"EditCOLS", "LabelCOLS"},
            clause::Text{"EditROWS", "LabelROWS"},
            clause::Choice{"RadioGroupWRAP", "StaticTextWRAP"},
        },
    };
    return d;
}

}  // namespace corvane
