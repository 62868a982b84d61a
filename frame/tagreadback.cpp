#include "frame/tagreadback.h"

#include <charconv>
#include <optional>

namespace corvane {

namespace {

// A value an edit can hold: one line without a double quote, since the
// writer puts it between double quotes.
bool holdable(std::string_view v) { return v.find_first_of("\"\r\n") == std::string_view::npos; }

bool fits_mask(std::string_view mask, std::string_view v) {
    if (v.size() != mask.size()) return false;
    for (size_t i = 0; i < v.size(); ++i) {
        const bool digit = v[i] >= '0' && v[i] <= '9';
        if (mask[i] == '0' ? !digit : v[i] != mask[i]) return false;
    }
    return true;
}

std::optional<int> integer(std::string_view v) {
    int n = 0;
    auto [end, ec] = std::from_chars(v.data(), v.data() + v.size(), n);
    if (ec != std::errc() || end != v.data() + v.size() || v.empty()) return std::nullopt;
    return n;
}

// Puts a value into an edit or combo box (a drop-down list picks the item
// of that text, in any letter case).
bool put_text(Control& c, std::string_view v) {
    if (!holdable(v)) return false;
    if (c.kind() == Kind::ComboList) {
        for (size_t i = 0; i < c.items.size(); ++i)
            if (equal_ignoring_case(c.items[i], v)) {
                c.selected = static_cast<int>(i);
                return true;
            }
        return false;
    }
    if (c.kind() == Kind::MaskEdit && !fits_mask(c.def->mask(), v)) return false;
    c.text = std::string(v);
    return true;
}

// The values behind the items of `list`: its twin's items, or its own
// without a twin.
const std::vector<std::string>& values_of(const Form& f, std::string_view list) {
    const Control* twin = f.find(twin_of(list));
    return twin ? twin->items : f[list].items;
}

// The item of `list` whose value is `v` in any letter case, from item
// `first` on; -1 when none.
int item_of(const Form& f, std::string_view list, std::string_view v, int first) {
    const std::vector<std::string>& values = values_of(f, list);
    // A value spelt exactly as an item wins over one that differs in case
    // only ("a" and "A" are two list types).
    for (size_t i = static_cast<size_t>(first); i < values.size(); ++i)
        if (values[i] == v) return static_cast<int>(i);
    for (size_t i = static_cast<size_t>(first); i < values.size(); ++i)
        if (equal_ignoring_case(values[i], v)) return static_cast<int>(i);
    return -1;
}

bool pick_item(Form& f, std::string_view list, std::string_view v, int first) {
    const int i = item_of(f, list, v, first);
    if (i < 0) return false;
    f[list].selected = i;
    return true;
}

bool text_into(Form& f, const std::string& control, const TagAttribute& a) {
    return !a.bare && put_text(f[control], a.value);
}

// --- How each clause reads its attribute back ----------------------------------

using A = TagAttribute;
using T = StartTag;

bool read(Form& f, const clause::Text& c, const A& a, const T&) { return text_into(f, c.control, a); }
bool read(Form& f, const clause::Always& c, const A& a, const T&) { return text_into(f, c.control, a); }
bool read(Form& f, const clause::TextUnless& c, const A& a, const T&) { return text_into(f, c.control, a); }

bool read(Form& f, const clause::Percent& c, const A& a, const T&) {
    if (a.bare || a.value.empty()) return false;
    const bool percent = a.value.back() == '%';
    const std::string_view number = percent ? a.value.substr(0, a.value.size() - 1) : a.value;
    if (number.empty() || !put_text(f[c.control], number)) return false;
    f[c.box].checked = percent;
    return true;
}

bool read(Form& f, const clause::Bare& c, const A& a, const T&) {
    if (!a.bare) return false;
    f[c.box].checked = true;
    return true;
}

bool read(Form& f, const clause::Choice& c, const A& a, const T&) { return !a.bare && pick_item(f, c.list, a.value, 1); }
bool read(Form& f, const clause::Pick& c, const A& a, const T&) { return !a.bare && pick_item(f, c.list, a.value, 0); }

bool read(Form& f, const clause::Number& c, const A& a, const T&) {
    const std::optional<int> n = a.bare ? std::nullopt : integer(a.value);
    if (!n) return false;
    Control& spin = f[c.spin];
    if (!spin.def->spin_spec().within(*n)) return false;
    using clause::Sign;
    if (c.when == Sign::Positive ? *n <= 0 : c.when == Sign::Negative ? *n >= 0 : *n == 0) return false;
    spin.text = std::to_string(*n);
    return true;
}

bool read(Form& f, const clause::Prefixed& c, const A& a, const T&) {
    if (a.bare || a.value.size() <= c.prefix.size() || a.value.substr(0, c.prefix.size()) != c.prefix) return false;
    return put_text(f[c.control], a.value.substr(c.prefix.size()));
}

bool read(Form&, const clause::Fixed& c, const A& a, const T&) { return !a.bare && equal_ignoring_case(a.value, c.value); }

bool read(Form& f, const clause::NamedText& c, const A& a, const T&) {
    if (a.bare || !holdable(a.value)) return false;
    const int i = item_of(f, c.list, a.name, 0);
    if (i < 0) return false;
    f[c.list].selected = i;
    return put_text(f[c.control], a.value);
}

bool read(Form& f, const clause::Sized& c, const A& a, const T&) {
    if (a.bare || a.value.empty()) return false;
    std::string_view v = a.value;
    int sign = 0;
    if (v[0] == '+' || v[0] == '-') {
        sign = item_of(f, c.sign, v.substr(0, 1), 1);
        if (sign < 0) return false;
        v.remove_prefix(1);
    }
    const std::optional<int> n = v.size() == 1 ? integer(v) : std::nullopt;
    if (!n || *n <= 0 || *n >= static_cast<int>(f[c.list].items.size())) return false;
    f[c.list].selected = *n;
    f[c.sign].selected = sign;
    return true;
}

bool read(Form& f, const clause::TextWhen& c, const A& a, const T&) {
    if (!text_into(f, c.control, a)) return false;
    f[c.box].checked = true;
    return true;
}

bool read(Form& f, const clause::Repeat& c, const A& a, const T&) {
    if (a.bare) return false;
    Control& group = f[c.group];
    const int last = static_cast<int>(group.items.size()) - 1;
    if (const std::optional<int> n = integer(a.value)) {
        Control& spin = f[c.spin];
        if (!spin.def->spin_spec().within(*n)) return false;
        group.selected = last;
        spin.text = std::to_string(*n);
        return true;
    }
    if (!c.fixed.empty()) {
        if (!equal_ignoring_case(a.value, f.label(c.fixed)) || last < 2) return false;
        group.selected = 1;
        return true;
    }
    const int i = item_of(f, c.group, a.value, 1);
    if (i < 1 || i == last) return false;
    group.selected = i;
    return true;
}

bool read(Form& f, const clause::Own& c, const A& a, const T& tag) { return c.read && c.read(f, c, a, tag); }

// --- Where the controls stand when their attribute is absent -------------------

void clear_text(Form& f, const std::string& control) {
    Control& t = f[control];
    if (t.kind() == Kind::ComboList) t.selected = 0;
    else t.text.clear();
}

void clear(Form& f, const clause::Text& c) { clear_text(f, c.control); }
void clear(Form& f, const clause::Always& c) { clear_text(f, c.control); }
void clear(Form& f, const clause::Prefixed& c) { clear_text(f, c.control); }
void clear(Form& f, const clause::NamedText& c) { clear_text(f, c.control); }
void clear(Form& f, const clause::Percent& c) {
    clear_text(f, c.control);
    f[c.box].checked = false;
}
void clear(Form& f, const clause::TextWhen& c) {
    clear_text(f, c.control);
    f[c.box].checked = false;
}
void clear(Form& f, const clause::Bare& c) { f[c.box].checked = false; }
void clear(Form& f, const clause::Choice& c) { f[c.list].selected = 0; }
void clear(Form& f, const clause::Repeat& c) { f[c.group].selected = 0; }
void clear(Form& f, const clause::Sized& c) {
    f[c.list].selected = 0;
    f[c.sign].selected = 0;
}
void clear(Form& f, const clause::Number& c) { f[c.spin].text = "0"; }
void clear(Form& f, const clause::TextUnless& c) { f[c.control].text = c.blank; }
// A list picked always, a fixed pair and a reader of the dialog's own
// leave the controls as they are.
void clear(Form&, const clause::Pick&) {}
void clear(Form&, const clause::Fixed&) {}
void clear(Form&, const clause::Own&) {}

// --- What each clause names and touches ------------------------------------------

template <class C>
std::vector<std::string> names(const Form& f, const C& c) {
    return {f.label(c.label)};
}
std::vector<std::string> names(const Form& f, const clause::NamedText& c) { return values_of(f, c.list); }
std::vector<std::string> names(const Form&, const clause::Fixed& c) { return {c.name}; }
std::vector<std::string> names(const Form& f, const clause::Own& c) {
    std::vector<std::string> out;
    if (!c.label.empty()) out.push_back(f.label(c.label));
    if (!c.names.empty())
        for (const std::string& item : f[c.names].items) out.push_back(item);
    return out;
}

using Names = std::vector<std::string>;
Names controls(const clause::Text& c) { return {c.control}; }
Names controls(const clause::Always& c) { return {c.control}; }
Names controls(const clause::Percent& c) { return {c.control, c.box}; }
Names controls(const clause::Bare& c) { return {c.box}; }
Names controls(const clause::Choice& c) { return {c.list}; }
Names controls(const clause::Pick& c) { return {c.list}; }
Names controls(const clause::NamedText& c) { return {c.control, c.list}; }
Names controls(const clause::Sized& c) { return {c.list, c.sign}; }
Names controls(const clause::Number& c) { return {c.spin}; }
Names controls(const clause::TextWhen& c) { return {c.control, c.box}; }
Names controls(const clause::TextUnless& c) { return {c.control}; }
Names controls(const clause::Repeat& c) { return {c.group, c.spin}; }
Names controls(const clause::Prefixed& c) { return {c.control}; }
Names controls(const clause::Fixed&) { return {}; }
Names controls(const clause::Own& c) { return c.control.empty() ? Names{} : Names{c.control}; }

}  // namespace

bool read_clause(Form& f, const Clause& c, const TagAttribute& a, const StartTag& tag) {
    return std::visit([&](const auto& k) { return read(f, k, a, tag); }, c);
}

void clear_clause(Form& f, const Clause& c) {
    std::visit([&](const auto& k) { clear(f, k); }, c);
}

std::vector<std::string> clause_names(const Form& f, const Clause& c) {
    return std::visit([&](const auto& k) { return names(f, k); }, c);
}

std::vector<std::string> clause_controls(const Clause& c) {
    return std::visit([](const auto& k) { return controls(k); }, c);
}

}  // namespace corvane
