// TFormFONT: a FONT element with an absolute or relative size and a colour.
#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

// SIZE is the relative sign, then the size's number; item 0 writes none.
TagTexts build(const Form& f, BuildContext& ctx) {
    TagWriter t(f, ctx, W_FONT);
    return t.write(f.design().clauses).close().end_tag().done();
}

}  // namespace

const DialogDesign& TFormFONT() {
    static const DialogDesign d{
        .class_name = "TFormFONT",
        .caption = "Pelinor - HTML : フォント ",
        .appended = {.elements = {W_FONT}},
        .client_w = 304,
        .client_h = 184,
        .controls = {
            radio_group("RadioGroupSIZE", "大きさ（     ）",
                        {"未指定", "小 (\"1\")", "∧ (\"2\")", "∧ (\"3\")", "∧ (\"4\")", "∧ (\"5\")", "∧ (\"6\")",
                         "大 (\"7\")"},
                        {16, 16, 105, 153}),
            name_label("StaticTextSIZE", "SIZE", "RadioGroupSIZE"),
            label("Label2", "相対サイズ", 136, 16),
            combo_list("ComboBoxSIZE", {136, 32, 89, 20}, {"", "大きく (\"+\")", "小さく (\"-\")"}, 0)
                .twin({"", "+", "-"}),
            parts::color_box({"COLOR", "Label1", "色 (          )", 136, 64, {136, 80, 97, 20}, {240, 80, 49, 20}}),
            omit_box("終了タグ省略", {168, 120, 0, 0}),
            ok_button(136, 144),
            cancel_button(216, 144),
        },
        .tab_order = {"RadioGroupSIZE", "ComboBoxSIZE", "ComboBoxCOLOR", "ButtonCOLOR", kOmitBox},
        .build = build,
        .clauses = {
            clause::Sized{"RadioGroupSIZE", "ComboBoxSIZE", "StaticTextSIZE"},
            clause::Text{"ComboBoxCOLOR", "LabelCOLOR"},
        },
    };
    return d;
}

}  // namespace corvane
