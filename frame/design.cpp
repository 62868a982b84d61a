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

ControlDef name_label(std::string name, std::string caption, std::string over) {
    ControlDef d = make(Kind::NameLabel, std::move(name), std::move(caption), {});
    d.spec = NameLabelSpec{std::move(over)};
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
    d.spec = MaskSpec{std::move(mask)};
    d.text = std::move(text);
    return d;
}

ControlDef combo_edit(std::string name, Rect r, std::vector<std::string> items) {
    ControlDef d = make(Kind::ComboEdit, std::move(name), {}, r);
    d.spec = ListSpec{std::move(items)};
    return d;
}

ControlDef combo_list(std::string name, Rect r, std::vector<std::string> items, int selected) {
    ControlDef d = make(Kind::ComboList, std::move(name), {}, r);
    d.spec = ListSpec{std::move(items), selected};
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
    d.spec = CheckSpec{checked};
    return d;
}

ControlDef omit_box(std::string caption, Rect r) { return check_box(kOmitBox, std::move(caption), r); }

std::string twin_of(std::string_view list) { return std::string(list) + "x"; }

ControlDef radio_group(std::string name, std::string caption, std::vector<std::string> items, Rect r,
                       int selected, int columns) {
    ControlDef d = make(Kind::RadioGroup, std::move(name), std::move(caption), r);
    d.spec = ListSpec{std::move(items), selected, columns};
    return d;
}

ControlDef group_box(std::string name, std::string caption, Rect r) {
    return make(Kind::GroupBox, std::move(name), std::move(caption), r);
}

ControlDef spin(std::string name, Rect r, int min, int max, int value, int step) {
    ControlDef d = make(Kind::Spin, std::move(name), {}, r);
    d.text = std::to_string(value);
    d.spec = SpinSpec{min, max, step};
    return d;
}

ControlDef button(std::string name, std::string caption, Rect r) {
    ControlDef d = make(Kind::Button, std::move(name), std::move(caption), r);
    d.spec = ButtonSpec{};
    return d;
}

ControlDef color_button(std::string name, Rect r, std::string target) {
    ControlDef d = button(std::move(name), "参照", r);
    d.spec = ButtonSpec{ButtonRole::Color, std::move(target)};
    return d;
}

ControlDef browse_button(std::string name, Rect r, std::string target, FilterList filter_list, ButtonRole role) {
    ControlDef d = button(std::move(name), "参照", r);
    d.spec = ButtonSpec{role, std::move(target), filter_list};
    return d;
}

ControlDef panel(std::string name, std::string caption, Rect r) {
    return make(Kind::Panel, std::move(name), std::move(caption), r);
}

ControlDef hidden_list(std::string name, std::vector<std::string> items) {
    ControlDef d = make(Kind::HiddenList, std::move(name), {}, {});
    d.spec = ListSpec{std::move(items)};
    return d;
}

ControlDef hidden_label(std::string name, std::string caption) {
    return make(Kind::HiddenLabel, std::move(name), std::move(caption), {});
}

ControlDef ok_button(int x, int y) {
    ControlDef d = button("ButtonOK", "OK(&O)", {x, y, 73, 25});
    d.spec = ButtonSpec{ButtonRole::Ok};
    return d;
}

ControlDef cancel_button(int x, int y) {
    ControlDef d = button("ButtonCancel", "ｷｬﾝｾﾙ(&C)", {x, y, 73, 25});
    d.spec = ButtonSpec{ButtonRole::Cancel};
    return d;
}

bool carries_its_kind_data(const ControlDef& d) {
    switch (d.kind) {
        case Kind::ComboEdit:
        case Kind::ComboList:
        case Kind::RadioGroup:
        case Kind::HiddenList: return std::holds_alternative<ListSpec>(d.spec);
        case Kind::CheckBox: return std::holds_alternative<CheckSpec>(d.spec);
        case Kind::Spin: return std::holds_alternative<SpinSpec>(d.spec);
        case Kind::MaskEdit: return std::holds_alternative<MaskSpec>(d.spec);
        case Kind::Button: return std::holds_alternative<ButtonSpec>(d.spec);
        case Kind::NameLabel: return std::holds_alternative<NameLabelSpec>(d.spec);
        case Kind::Label:
        case Kind::Edit:
        case Kind::GroupBox:
        case Kind::Panel:
        case Kind::HiddenLabel: break;
    }
    return std::holds_alternative<std::monostate>(d.spec);
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

namespace {
template <class Spec>
const Spec& spec_or_empty(const KindSpec& spec) {
    static const Spec empty{};
    const Spec* s = std::get_if<Spec>(&spec);
    return s ? *s : empty;
}
}  // namespace

const ListSpec& ControlDef::list() const { return spec_or_empty<ListSpec>(spec); }
const SpinSpec& ControlDef::spin_spec() const { return spec_or_empty<SpinSpec>(spec); }
const ButtonSpec& ControlDef::button_spec() const { return spec_or_empty<ButtonSpec>(spec); }
bool ControlDef::checked() const { return spec_or_empty<CheckSpec>(spec).checked; }
const std::string& ControlDef::mask() const { return spec_or_empty<MaskSpec>(spec).mask; }
const std::string& ControlDef::owner() const { return spec_or_empty<NameLabelSpec>(spec).owner; }

std::string ControlDef::filled() const {
    const ButtonSpec& b = button_spec();
    return b.target_by_name ? b.target_by_name(name) : b.target;
}

// The modifiers below belong to one kind each; a design table that uses
// one on another kind fails at its first use (std::bad_variant_access).
ControlDef& ControlDef::chosen_hook(ChosenFileHook hook) {
    std::get<ButtonSpec>(spec).on_chosen = hook;
    return *this;
}

ControlDef& ControlDef::target_found_by(TargetByName find) {
    ButtonSpec& b = std::get<ButtonSpec>(spec);
    b.target_by_name = find;
    b.target.clear();
    return *this;
}

ControlDef& ControlDef::twin(std::vector<std::string> values) {
    ListSpec& l = std::get<ListSpec>(spec);
    l.has_twin = true;
    l.twin_values = std::move(values);
    return *this;
}

int SpinSpec::clamped(long long v) const {
    if (min != max) v = std::clamp<long long>(v, min, max);
    return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX));
}

int SpinSpec::stepped(int value, int steps) const {
    return clamped(static_cast<long long>(value) + static_cast<long long>(steps) * step);
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
        if (c.kind == Kind::Button && fills_target(c.role()) && c.role() != ButtonRole::Color) return true;
    return false;
}

Controls::Piece::Piece(ControlDef d) {
    if (d.list().has_twin) {
        ControlDef twin = hidden_list(twin_of(d.name), d.list().twin_values);
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
