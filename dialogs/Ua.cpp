// TFormA: a link (HREF) or a named anchor (NAME) around the selection.  The
// kind's item text is the attribute name; the link field and the target only
// count for a link.
#include "dialogs/dialogs.h"
#include "frame/dialog.h"
#include "frame/tagreader.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

constexpr int kHref = 0;

// The kind's item names the attribute.  A link's value is the link field,
// then "#" and the anchor when there is one; a named anchor's value is the
// anchor alone.
// Read back, the attribute's name picks the kind; a link's value is split
// at its first "#" into the link and the anchor.
bool read_kind(Form& f, const clause::Own&, const TagAttribute& a, const StartTag&) {
    if (a.bare || a.value.find_first_of("\"\r\n") != std::string_view::npos) return false;
    const bool href = equal_ignoring_case(a.name, f.item("RadioGroupKind", kHref));
    f["RadioGroupKind"].selected = href ? kHref : 1;
    const size_t hash = href ? a.value.find('#') : 0;
    f["EditLink"].text = href ? std::string(a.value.substr(0, hash)) : std::string();
    f["EditAnchor"].text = hash == std::string_view::npos ? std::string() : std::string(a.value.substr(href ? hash + 1 : 0));
    return true;
}

// The clauses, in the order written: the kind's attribute and TARGET.
const clause::Own kKind{.read = read_kind, .names = "RadioGroupKind"};
const clause::Text kTarget{"ComboBoxTARGET", "LabelTARGET"};

TagTexts build(const Form& f, BuildContext& ctx) {
    const int kind = f.selected("RadioGroupKind");
    const std::string& anchor = f.text("EditAnchor");
    std::string value = anchor;
    if (kind == kHref) value = f.text("EditLink") + (anchor.empty() ? "" : "#") + anchor;
    TagWriter t(f, ctx, W_A);
    t.reads(kKind).named(f.item("RadioGroupKind", kind), value);
    if (kind == kHref) t.write(kTarget);
    return t.close().end_tag().done();
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
        .caption = "Pelinor - HTML : リンク＆アンカー ",
        .appended = {.elements = {W_A}},
        .client_w = 457,
        .client_h = 158,
        .controls = {
            radio_group("RadioGroupKind", "種別", {"HREF", "NAME"}, {16, 8, 161, 41}, 0, 2)
                .pitch_fixed()
                .lower_with_attribute(),
            label("Label1", "ﾘﾝｸ先", 16, 64),
            edit("EditLink", {64, 60, 321, 21}),
            browse_button("ButtonLink", {392, 60, 49, 21}, "EditLink", FilterList::Pages),
            label("Label3", "ｱﾝｶｰ", 16, 96),
            edit("EditAnchor", {64, 92, 145, 21}),
            label("Label2", "ﾀｰｹﾞｯﾄ (           )", 232, 96),
            name_label("LabelTARGET", "TARGET", "Label2"),
            target_combo("ComboBoxTARGET", {336, 92, 105, 21}),
            omit_box("終了ﾀｸﾞ省略", {200, 24, 0, 0}),
            ok_button(288, 124),
            cancel_button(368, 124),
        },
        .tab_order = {"EditLink", "ButtonLink", "EditAnchor", "ComboBoxTARGET", kOmitBox, "RadioGroupKind"},
        .build = build,
        .clauses = {kKind, kTarget},
        .handlers = {{"RadioGroupKind", RadioGroupKindClick}},
    };
    return d;
}

}  // namespace corvane
