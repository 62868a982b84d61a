// TFormA: a link (HREF) or a named anchor (NAME) around the selection.  The
// kind's item text is the attribute name; the link field and the target only
// count for a link.
#include "dialogs/dialogs.h"
#include "frame/dialog.h"

namespace corvane {

namespace {

constexpr int kHref = 0;

TagTexts build(const Form& f, BuildContext& ctx) {
    const int kind = f.selected("RadioGroupKind");
    const std::string& anchor = f.text("EditAnchor");
    TagTexts t;
    t.start = "<" + ctx.E(W_A) + " " + f.item("RadioGroupKind", kind) + "=\"";
    if (kind == kHref) t.start += f.text("EditLink") + (anchor.empty() ? "" : "#");
    t.start += anchor + "\"";
    if (kind == kHref) t.start += f.text_clause("ComboBoxTARGET", "LabelTARGET");
    t.start += ">";
    if (!f.checked("CheckBoxOmit")) t.end = "</" + ctx.E(W_A) + ">";
    return t;
}

// The link field and the target are used by links only; their texts stay
// while an anchor is chosen.
void RadioGroupKindClick(Form& f, DialogEnv&) {
    const bool link = f.selected("RadioGroupKind") == kHref;
    f["EditLink"].enabled = link;
    f["ComboBoxTARGET"].enabled = link;
}

}  // namespace

const DialogDesign& TFormA() {
    static const DialogDesign d{
        .class_name = "TFormA",
        .client_w = 457,
        .client_h = 158,
        .controls = {
            radio_group("RadioGroupKind", "種別", {"HREF", "NAME"}, {16, 8, 161, 41}, 0, 2)
                .pitch_fixed()
                .lower_with_attribute(),
            label("Label1", "ﾘﾝｸ先", 16, 64),
            edit("EditLink", {64, 60, 321, 21}),
            browse_button("ButtonLink", {392, 60, 49, 21}, "EditLink", FileFilters::Pages),
            label("Label3", "ｱﾝｶｰ", 16, 96),
            edit("EditAnchor", {64, 92, 145, 21}),
            label("Label2", "ﾀｰｹﾞｯﾄ (           )", 232, 96),
            name_label("LabelTARGET", "TARGET", 270, 96),
            target_combo("ComboBoxTARGET", {336, 92, 105, 21}),
            check_box("CheckBoxOmit", "終了ﾀｸﾞ省略", {200, 24, 0, 0}),
            ok_button(288, 124),
            cancel_button(368, 124),
        },
        .tab_order = {"EditLink", "ButtonLink", "EditAnchor", "ComboBoxTARGET", "CheckBoxOmit", "RadioGroupKind"},
        .has_open_dialog = true,
        .build = build,
        .handlers = {{"RadioGroupKind", RadioGroupKindClick}},
    };
    return d;
}

}  // namespace corvane
