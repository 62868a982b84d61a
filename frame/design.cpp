#include "frame/design.h"

#include <algorithm>
#include <climits>
#include <utility>

namespace corvane {

namespace {
ControlDef make(Kind kind, std::string name, std::string caption, Rect r) {
    ControlDef d;
    d.kind = kind;
    d.name = std::move(name);
    d.caption = std::move(caption);
    d.rect = r;
    return d;
}
}  // namespace

ControlDef label(std::string name, std::string caption, int x, int y) {
    return make(Kind::Label, std::move(name), std::move(caption), {x, y, 0, 0});
}

ControlDef name_label(std::string name, std::string caption, std::string over, int x, int y) {
    ControlDef d = make(Kind::NameLabel, std::move(name), std::move(caption), {x, y, 0, 0});
    d.owner = std::move(over);
    d.fixed_pitch = true;
    d.case_rule = CaseRule::LowerWithAttribute;
    return d;
}

ControlDef element_label(std::string name, std::string caption, int x, int y) {
    return label(std::move(name), std::move(caption), x, y).lower_with_element();
}

ControlDef edit(std::string name, Rect r, std::string text) {
    ControlDef d = make(Kind::Edit, std::move(name), {}, r);
    d.text = std::move(text);
    return d;
}

ControlDef mask_edit(std::string name, Rect r, std::string mask, std::string text) {
    ControlDef d = make(Kind::MaskEdit, std::move(name), {}, r);
    d.mask = std::move(mask);
    d.text = std::move(text);
    return d;
}

ControlDef combo_edit(std::string name, Rect r, std::vector<std::string> items) {
    ControlDef d = make(Kind::ComboEdit, std::move(name), {}, r);
    d.items = std::move(items);
    return d;
}

ControlDef combo_list(std::string name, Rect r, std::vector<std::string> items, int selected) {
    ControlDef d = make(Kind::ComboList, std::move(name), {}, r);
    d.items = std::move(items);
    d.selected = selected;
    return d;
}

ControlDef color_combo(std::string name, Rect r) {
    return combo_edit(std::move(name), r, color_names()).upper_with_value();
}

ControlDef target_combo(std::string name, Rect r) {
    return combo_edit(std::move(name), r, target_names()).upper_with_value();
}

ControlDef check_box(std::string name, std::string caption, Rect r, bool checked) {
    ControlDef d = make(Kind::CheckBox, std::move(name), std::move(caption), r);
    d.checked = checked;
    return d;
}

ControlDef radio_group(std::string name, std::string caption, std::vector<std::string> items, Rect r,
                       int selected, int columns) {
    ControlDef d = make(Kind::RadioGroup, std::move(name), std::move(caption), r);
    d.items = std::move(items);
    d.selected = selected;
    d.columns = columns;
    return d;
}

ControlDef group_box(std::string name, std::string caption, Rect r) {
    return make(Kind::GroupBox, std::move(name), std::move(caption), r);
}

ControlDef spin(std::string name, Rect r, int min, int max, int value, int step) {
    ControlDef d = make(Kind::Spin, std::move(name), {}, r);
    d.text = std::to_string(value);
    d.min = min;
    d.max = max;
    d.step = step;
    return d;
}

ControlDef button(std::string name, std::string caption, Rect r) {
    return make(Kind::Button, std::move(name), std::move(caption), r);
}

ControlDef color_button(std::string name, Rect r, std::string target) {
    ControlDef d = button(std::move(name), "参照", r);
    d.role = ButtonRole::Color;
    d.target = std::move(target);
    return d;
}

ControlDef browse_button(std::string name, Rect r, std::string target, FilterList filter_list, ButtonRole role) {
    ControlDef d = button(std::move(name), "参照", r);
    d.role = role;
    d.target = std::move(target);
    d.filter_list = filter_list;
    return d;
}

ControlDef panel(std::string name, std::string caption, Rect r) {
    return make(Kind::Panel, std::move(name), std::move(caption), r);
}

ControlDef hidden_list(std::string name, std::vector<std::string> items) {
    ControlDef d = make(Kind::HiddenList, std::move(name), {}, {});
    d.items = std::move(items);
    return d;
}

ControlDef hidden_label(std::string name, std::string caption) {
    return make(Kind::HiddenLabel, std::move(name), std::move(caption), {});
}

ControlDef ok_button(int x, int y) {
    ControlDef d = button("ButtonOK", "OK(&O)", {x, y, 73, 25});
    d.role = ButtonRole::Ok;
    return d;
}

ControlDef cancel_button(int x, int y) {
    ControlDef d = button("ButtonCancel", "ｷｬﾝｾﾙ(&C)", {x, y, 73, 25});
    d.role = ButtonRole::Cancel;
    return d;
}

bool fills_target(ButtonRole role) {
    switch (role) {
        case ButtonRole::Color:
        case ButtonRole::BrowseUrl:
        case ButtonRole::BrowsePath:
        case ButtonRole::BrowsePathStay: return true;
        case ButtonRole::None:
        case ButtonRole::Ok:
        case ButtonRole::Cancel: break;
    }
    return false;
}

int ControlDef::spin_clamped(long long v) const {
    if (min != max) v = std::clamp<long long>(v, min, max);
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

int ControlDef::spin_stepped(int value, int steps) const {
    return spin_clamped(static_cast<long long>(value) + static_cast<long long>(steps) * step);
}

const std::vector<std::string>& color_names() {
    static const std::vector<std::string> names = {
        "black", "blue",   "lime",  "aqua",   "cyan",   "red",   "fuchsia", "magenta",
        "yellow", "white", "gray",  "navy",   "green",  "teal",  "maroon",  "purple",
        "olive", "silver", "gold",  "brown",  "orange", "pink",
    };
    return names;
}

const std::vector<std::string>& target_names() {
    static const std::vector<std::string> names = {"_blank", "_top", "_parent", "_self"};
    return names;
}

const ControlDef* DialogDesign::find(std::string_view name) const {
    for (const ControlDef& c : controls)
        if (c.name == name) return &c;
    return nullptr;
}

bool DialogDesign::has_open_dialog() const {
    for (const ControlDef& c : controls)
        if (c.kind == Kind::Button && fills_target(c.role) && c.role != ButtonRole::Color) return true;
    return false;
}

Controls::Piece::Piece(ControlDef d) {
    if (d.has_twin) {
        ControlDef twin = hidden_list(d.name + "x", d.twin_values);
        twin.case_rule = d.case_rule;
        twin.case_first = d.case_first;
        twin.case_last = d.case_last;
        defs.push_back(std::move(d));
        defs.push_back(std::move(twin));
    } else {
        defs.push_back(std::move(d));
    }
}

Controls::Piece::Piece(std::vector<ControlDef> g) : defs(std::move(g)) {}

Controls::Piece::Piece(const Controls& g) : defs(g.defs()) {}

Controls::Controls(std::initializer_list<Piece> pieces) {
    for (const Piece& p : pieces) defs_.insert(defs_.end(), p.defs.begin(), p.defs.end());
}

std::optional<CaptionGap> caption_gap(std::string_view c) {
    // "(" or the full-width "（" (EF BC 88), blanks, ")" or "）" (EF BC 89);
    // or blanks between the quotes of ("    "), where a value is shown.
    auto open_len = [&](size_t i) -> size_t {
        if (c.compare(i, 2, "(\"") == 0) return 2;
        if (c[i] == '(') return 1;
        if (c.compare(i, 3, "\xEF\xBC\x88") == 0) return 3;
        return 0;
    };
    for (size_t i = 0; i < c.size(); ++i) {
        size_t n = open_len(i);
        if (!n) continue;
        size_t j = i + n;
        while (j < c.size() && c[j] == ' ') ++j;
        if (j == i + n || j >= c.size()) continue;
        if (n == 2 ? c.compare(j, 2, "\")") == 0 : c[j] == ')' || c.compare(j, 3, "\xEF\xBC\x89") == 0)
            return CaptionGap{i + n, j};
    }
    return std::nullopt;
}

}  // namespace corvane
