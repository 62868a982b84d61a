#include "frame/tagwriter.h"

#include <charconv>
#include <optional>

#include "frame/tagreader.h"

namespace corvane {

namespace {

// --- How the clauses read their attributes back -------------------------------

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

// The item of `list` whose value (its twin's item, or its own without a
// twin) is `v` in any letter case, from item `first` on; -1 when none.
int item_of(const Form& f, std::string_view list, std::string_view v, int first) {
    const Control* twin = f.find(std::string(list) + "x");
    const Control& values = twin ? *twin : f[list];
    // A value spelt exactly as an item wins over one that differs in case
    // only ("a" and "A" are two list types).
    for (size_t i = static_cast<size_t>(first); i < values.items.size(); ++i)
        if (values.items[i] == v) return static_cast<int>(i);
    for (size_t i = static_cast<size_t>(first); i < values.items.size(); ++i)
        if (equal_ignoring_case(values.items[i], v)) return static_cast<int>(i);
    return -1;
}

bool pick_item(Form& f, std::string_view list, std::string_view v, int first) {
    const int i = item_of(f, list, v, first);
    if (i < 0) return false;
    f[list].selected = i;
    return true;
}

bool read_text(Form& f, const Clause& c, const TagAttribute& a, const StartTag&) {
    return !a.bare && put_text(f[c.control], a.value);
}

bool read_percent(Form& f, const Clause& c, const TagAttribute& a, const StartTag&) {
    if (a.bare || a.value.empty()) return false;
    const bool percent = a.value.back() == '%';
    const std::string_view number = percent ? a.value.substr(0, a.value.size() - 1) : a.value;
    if (number.empty() || !put_text(f[c.control], number)) return false;
    f[c.other].checked = percent;
    return true;
}

bool read_bare(Form& f, const Clause& c, const TagAttribute& a, const StartTag&) {
    if (!a.bare) return false;
    f[c.control].checked = true;
    return true;
}

bool read_choice(Form& f, const Clause& c, const TagAttribute& a, const StartTag&) {
    return !a.bare && pick_item(f, c.control, a.value, c.number);
}

bool read_number(Form& f, const Clause& c, const TagAttribute& a, const StartTag&) {
    const std::optional<int> n = a.bare ? std::nullopt : integer(a.value);
    if (!n) return false;
    Control& spin = f[c.control];
    if (!spin.def->spin_spec().within(*n)) return false;
    const auto when = static_cast<TagWriter::Sign>(c.number);
    if (when == TagWriter::Sign::Positive ? *n <= 0 : when == TagWriter::Sign::Negative ? *n >= 0 : *n == 0)
        return false;
    spin.text = std::to_string(*n);
    return true;
}

bool read_prefixed(Form& f, const Clause& c, const TagAttribute& a, const StartTag&) {
    if (a.bare || a.value.size() <= c.extra.size() || a.value.substr(0, c.extra.size()) != c.extra) return false;
    return put_text(f[c.control], a.value.substr(c.extra.size()));
}

bool read_fixed(Form&, const Clause& c, const TagAttribute& a, const StartTag&) {
    return !a.bare && equal_ignoring_case(a.value, c.extra);
}

bool read_named_text(Form& f, const Clause& c, const TagAttribute& a, const StartTag&) {
    if (a.bare || !holdable(a.value)) return false;
    const int i = item_of(f, c.other, a.name, 0);
    if (i < 0) return false;
    f[c.other].selected = i;
    return put_text(f[c.control], a.value);
}

bool read_sized(Form& f, const Clause& c, const TagAttribute& a, const StartTag&) {
    if (a.bare || a.value.empty()) return false;
    std::string_view v = a.value;
    int sign = 0;
    if (v[0] == '+' || v[0] == '-') {
        sign = item_of(f, c.other, v.substr(0, 1), 1);
        if (sign < 0) return false;
        v.remove_prefix(1);
    }
    const std::optional<int> n = v.size() == 1 ? integer(v) : std::nullopt;
    if (!n || *n <= 0 || *n >= static_cast<int>(f[c.control].items.size())) return false;
    f[c.control].selected = *n;
    f[c.other].selected = sign;
    return true;
}

bool read_text_when(Form& f, const Clause& c, const TagAttribute& a, const StartTag& tag) {
    if (!read_text(f, c, a, tag)) return false;
    f[c.other].checked = true;
    return true;
}

bool read_repeat(Form& f, const Clause& c, const TagAttribute& a, const StartTag&) {
    if (a.bare) return false;
    Control& group = f[c.control];
    const int last = static_cast<int>(group.items.size()) - 1;
    if (const std::optional<int> n = integer(a.value)) {
        Control& spin = f[c.other];
        if (!spin.def->spin_spec().within(*n)) return false;
        group.selected = last;
        spin.text = std::to_string(*n);
        return true;
    }
    if (!c.extra.empty()) {
        if (!equal_ignoring_case(a.value, c.extra) || last < 2) return false;
        group.selected = 1;
        return true;
    }
    const int i = item_of(f, c.control, a.value, 1);
    if (i < 1 || i == last) return false;
    group.selected = i;
    return true;
}

// --- Where the controls stand when their attribute is absent -------------------

void clear_text(Form& f, const Clause& c) {
    Control& t = f[c.control];
    if (t.kind() == Kind::ComboList) t.selected = 0;
    else t.text.clear();
}
void clear_text_and_box(Form& f, const Clause& c) {
    clear_text(f, c);
    f[c.other].checked = false;
}
void clear_box(Form& f, const Clause& c) { f[c.control].checked = false; }
void clear_list(Form& f, const Clause& c) { f[c.control].selected = 0; }
void clear_lists(Form& f, const Clause& c) {
    f[c.control].selected = 0;
    f[c.other].selected = 0;
}
void clear_spin(Form& f, const Clause& c) { f[c.control].text = "0"; }
void clear_to_blank(Form& f, const Clause& c) { f[c.control].text = c.extra; }

}  // namespace

TagWriter::TagWriter(const Form& f, BuildContext& ctx, int element) : f_(f), ctx_(ctx), word_(ctx.E(element)) {
    texts_.start = "<" + word_;
}

TagWriter::TagWriter(const Form& f, BuildContext& ctx) : f_(f), ctx_(ctx) {}

void TagWriter::offer(Clause c) {
    if (ctx_.log) ctx_.log->clauses.push_back(std::move(c));
}

void TagWriter::note(std::string_view name, std::string_view value, size_t from) {
    if (ctx_.log) ctx_.log->written.push_back({std::string(name), std::string(value), from, texts_.start.size()});
}

TagWriter& TagWriter::named(std::string_view name, std::string_view v) {
    const size_t from = texts_.start.size();
    texts_.start += attr(name, v);
    note(name, v, from);
    return *this;
}

TagWriter& TagWriter::value(std::string_view label, std::string_view v) { return named(f_.label(label), v); }

TagWriter& TagWriter::fixed(std::string_view name, std::string_view v) {
    offer({read_fixed, nullptr, {std::string(name)}, {}, {}, std::string(v)});
    return named(name, v);
}

TagWriter& TagWriter::text(std::string_view control, std::string_view label) {
    offer({read_text, clear_text, {f_.label(label)}, std::string(control)});
    if (const std::string& t = f_.text(control); !t.empty()) value(label, t);
    return *this;
}

TagWriter& TagWriter::always(std::string_view control, std::string_view label) {
    offer({read_text, clear_text, {f_.label(label)}, std::string(control)});
    return value(label, f_.text(control));
}

TagWriter& TagWriter::percent(std::string_view control, std::string_view label, std::string_view box) {
    offer({read_percent, clear_text_and_box, {f_.label(label)}, std::string(control), std::string(box)});
    if (const std::string& t = f_.text(control); !t.empty()) value(label, f_.checked(box) ? t + "%" : t);
    return *this;
}

TagWriter& TagWriter::bare(std::string_view box, std::string_view label) {
    offer({read_bare, clear_box, {f_.label(label)}, std::string(box)});
    if (f_.checked(box)) {
        const size_t from = texts_.start.size();
        texts_.start += ' ';
        texts_.start += f_.label(label);
        note(f_.label(label), {}, from);
    }
    return *this;
}

TagWriter& TagWriter::choice(std::string_view list, std::string_view label) {
    offer({read_choice, clear_list, {f_.label(label)}, std::string(list), {}, {}, 1});
    if (f_.selected(list) > 0) value(label, f_.twin_value(list));
    return *this;
}

TagWriter& TagWriter::pick(std::string_view list, std::string_view label) {
    offer({read_choice, nullptr, {f_.label(label)}, std::string(list), {}, {}, 0});
    return value(label, f_.twin_value(list));
}

TagWriter& TagWriter::named_text(std::string_view list, std::string_view control) {
    const Control* twin = f_.find(std::string(list) + "x");
    offer({read_named_text, clear_text, twin ? twin->items : f_[list].items, std::string(control), std::string(list)});
    return named(f_.twin_value(list), f_.text(control));
}

TagWriter& TagWriter::sized(std::string_view list, std::string_view sign, std::string_view label) {
    offer({read_sized, clear_lists, {f_.label(label)}, std::string(list), std::string(sign)});
    if (int size = f_.selected(list); size > 0) value(label, f_.twin_value(sign) + std::to_string(size));
    return *this;
}

TagWriter& TagWriter::count(std::string_view spin, std::string_view label) { return number(spin, label, Sign::Positive); }

TagWriter& TagWriter::number(std::string_view spin, std::string_view label, Sign when) {
    offer({read_number, clear_spin, {f_.label(label)}, std::string(spin), {}, {}, static_cast<int>(when)});
    const int n = f_.spin(spin);
    if (when == Sign::Positive ? n > 0 : when == Sign::Negative ? n < 0 : n != 0) value(label, std::to_string(n));
    return *this;
}

TagWriter& TagWriter::text_when(std::string_view box, std::string_view control, std::string_view label) {
    offer({read_text_when, clear_text_and_box, {f_.label(label)}, std::string(control), std::string(box)});
    if (f_.checked(box)) value(label, f_.text(control));
    return *this;
}

TagWriter& TagWriter::text_unless(std::string_view control, std::string_view label, std::string_view blank) {
    offer({read_text, clear_to_blank, {f_.label(label)}, std::string(control), {}, std::string(blank)});
    if (f_.text(control) != blank) value(label, f_.text(control));
    return *this;
}

TagWriter& TagWriter::repeat(std::string_view group, std::string_view spin, std::string_view label,
                             std::string_view fixed_value) {
    offer({read_repeat, clear_list, {f_.label(label)}, std::string(group), std::string(spin), std::string(fixed_value)});
    const int item = f_.selected(group);
    if (item <= 0) return *this;
    const bool counted = item == static_cast<int>(f_[group].items.size()) - 1;
    return value(label, counted ? std::to_string(f_.spin(spin))
                                : fixed_value.empty() ? f_.twin_value(group) : std::string(fixed_value));
}

TagWriter& TagWriter::reads(ClauseReader reader, std::vector<std::string> names, std::string_view control) {
    offer({reader, nullptr, std::move(names), std::string(control)});
    return *this;
}

TagWriter& TagWriter::prefixed(std::string_view control, std::string_view label, std::string_view prefix) {
    offer({read_prefixed, clear_text, {f_.label(label)}, std::string(control), {}, std::string(prefix)});
    if (const std::string& t = f_.text(control); !t.empty()) value(label, std::string(prefix) + t);
    return *this;
}

TagWriter& TagWriter::close() {
    if (ctx_.log && ctx_.log->closed_at == std::string::npos) ctx_.log->closed_at = texts_.start.size();
    return put(">");
}

TagWriter& TagWriter::open(int element) {
    texts_.start += '<';
    return put(ctx_.E(element));
}

TagWriter& TagWriter::closing(int element) { return put("</").put(ctx_.E(element)).put(">"); }

TagWriter& TagWriter::put(std::string_view text) {
    texts_.start += text;
    return *this;
}

TagWriter& TagWriter::line() { return put(ctx_.crlf()); }

TagWriter& TagWriter::lines(int count, std::initializer_list<Line> each) {
    for (int i = 0; i < count; ++i)
        for (const Line& l : each) put(l.indent).put(f_.label(l.label)).line();
    return *this;
}

bool TagWriter::omitted() const {
    const Control* omit = f_.find("CheckBoxOmit");
    return omit && omit->checked;
}

TagWriter& TagWriter::end_tag() {
    if (!word_.empty() && !omitted()) texts_.end += "</" + word_ + ">";
    return *this;
}

TagWriter& TagWriter::block() {
    if (omitted()) return *this;
    return line().end_tag().end_line();
}

TagWriter& TagWriter::end_put(std::string_view text) {
    texts_.end += text;
    return *this;
}

TagWriter& TagWriter::end_line() { return end_put(ctx_.crlf()); }

TagWriter& TagWriter::end_closing(int element) { return end_put("</").end_put(ctx_.E(element)).end_put(">"); }

}  // namespace corvane
