#include "dialogs/soundparts.h"

#include <utility>

#include "dialogs/parts.h"

namespace corvane::sound {

namespace {

// The fixed type pair, as the hidden labels hold it before the show step.
constexpr const char* kTypeName = "TYPE";
constexpr const char* kMidiType = "audio/midi";

}  // namespace

Group file_row(FilterList filters, ButtonRole role, int x, int y, int button_x) {
    return Group{
        parts::captioned("Label3", "再生ﾌｧｲﾙ (      )", "LabelSRC", "SRC", x, y),
        edit("EditSRC", {x, y + 16, button_x - 7 - x, 21}),
        browse_button("ButtonSRC", {button_x, y + 16, 49, 21}, "EditSRC", filters, role),
        hidden_label("LabelTYPE", kTypeName).lower_with_attribute(),
        hidden_label("LabelAUDIOMIDI", kMidiType).upper_with_value(),
    };
}

TagWriter start(const Form& f, BuildContext& ctx, int element) {
    TagWriter t(f, ctx, element);
    t.always("EditSRC", "LabelSRC").fixed(f.label("LabelTYPE"), f.label("LabelAUDIOMIDI"));
    return t;
}

Clauses start_clauses() { return {clause::Always{"EditSRC", "LabelSRC"}, clause::Fixed{kTypeName, kMidiType}}; }

Group repeat_group(const RepeatGroup& g) {
    const std::string name = "RadioGroup" + g.attribute;
    ControlDef group = radio_group(name, g.caption, g.items, g.rect).upper_with_value().pitch_fixed();
    if (!g.values.empty()) group.twin(g.values);
    // The items are laid out in rows below the caption line (13 pixels);
    // the spin and its "回" sit on the last row, right of "回数指定  →".
    const int rows = static_cast<int>(g.items.size());
    const int row_h = (g.rect.h - 13 - 4) / rows;
    const int centre = g.rect.y + 13 + (rows - 1) * row_h + row_h / 2;
    const int spin_x = g.rect.x + 108;
    return Group{
        std::move(group),
        name_label("StaticText" + g.attribute, g.attribute, name),
        spin("CSpinEdit" + g.attribute, {spin_x, centre - 10, 49, 21}, 0, 100).disabled(),
        label("StaticText1", "回", spin_x + 54, centre - 6),
    };
}

clause::Repeat repeat_of(const std::string& attribute, std::string fixed) {
    return {"RadioGroup" + attribute, "CSpinEdit" + attribute, "StaticText" + attribute, std::move(fixed)};
}

void enable_count(Form& f, const std::string& attribute) {
    const Control& group = f["RadioGroup" + attribute];
    f["CSpinEdit" + attribute].enabled = group.selected == static_cast<int>(group.items.size()) - 1;
}

std::vector<std::string> false_true_items(std::string unspecified, bool count) {
    std::vector<std::string> items{std::move(unspecified), "しない (\"false\")", "する   (\"true\")"};
    if (count) items.emplace_back("回数指定  →");
    return items;
}

std::vector<std::string> false_true_values(bool count) {
    std::vector<std::string> values{"", "false", "true"};
    if (count) values.emplace_back();
    return values;
}

Group false_true_group(std::string attribute, std::string caption, std::string unspecified, Rect rect,
                       int selected) {
    return parts::value_group({std::move(attribute), std::move(caption), false_true_items(std::move(unspecified)),
                               false_true_values(), rect, 1, selected, true});
}

void apply_preset(Form& f, int item, std::initializer_list<Preset> presets) {
    for (const Preset& p : presets) {
        if (item < p.first || item > p.last) continue;
        f["EditWIDTH"].text = p.width;
        f["EditHEIGHT"].text = p.height;
    }
}

}  // namespace corvane::sound
