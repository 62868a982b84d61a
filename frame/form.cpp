#include "frame/form.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <stdexcept>

#include "host/hostlink.h"

namespace corvane {

const std::string& Control::item(int i) const {
    static const std::string none;
    if (i < 0 || static_cast<size_t>(i) >= items.size()) return none;
    return items[static_cast<size_t>(i)];
}

int Control::spin_value() const {
    // A whole decimal integer, optionally signed; anything else reads as the
    // minimum.  Values too large for an int are beyond any limit anyway.
    const char* s = text.c_str();
    char* end = nullptr;
    errno = 0;
    long long v = std::strtoll(s, &end, 10);
    bool number = end != s && *end == '\0' && text.find_first_of(" \t") == std::string::npos;
    if (!number) return def->spin_spec().min;
    // Beyond long long the sign still tells which limit is nearer.
    if (errno == ERANGE) v = v < 0 ? INT_MIN : INT_MAX;
    return def->spin_spec().clamped(v);
}

void Control::settle_spin() {
    if (kind() == Kind::Spin) text = std::to_string(spin_value());
}

Form::Form(const DialogDesign& design) : design_(&design) {
    controls_.reserve(design.controls.size());
    for (const ControlDef& d : design.controls) {
        Control c;
        c.def = &d;
        c.items = d.items();
        c.selected = d.list().selected;
        c.checked = d.checked();
        c.enabled = d.enabled;
        c.caption = d.caption;
        c.text = d.text;
        controls_.push_back(std::move(c));
    }
    caption = design.caption;
    if (!design.tab_order.empty()) focus = design.tab_order.front();
}

Control* Form::find(std::string_view name) {
    for (Control& c : controls_)
        if (c.name() == name) return &c;
    return nullptr;
}

const Control* Form::find(std::string_view name) const { return const_cast<Form&>(*this).find(name); }

Control& Form::operator[](std::string_view name) {
    if (Control* c = find(name)) return *c;
    throw std::out_of_range(design_->class_name + " has no control " + std::string(name));
}

const Control& Form::operator[](std::string_view name) const {
    return const_cast<Form&>(*this)[name];
}

const std::string& Form::text(std::string_view name) const {
    const Control& c = (*this)[name];
    return c.kind() == Kind::ComboList ? c.item(c.selected) : c.text;
}

const std::string& Form::twin_value(std::string_view list) const {
    return item(twin_of(list), selected(list));
}

bool end_tag_omitted(const Form& f) {
    const Control* omit = f.find(kOmitBox);
    return omit && omit->checked;
}

void Form::move_focus(std::string_view to) {
    if (focus == to) return;
    if (Control* old = find(focus)) old->settle_spin();
    focus = std::string(to);
}

std::string BuildContext::crlf() const { return host.crlf(); }

std::string attr(std::string_view name, std::string_view value) {
    std::string s;
    s.reserve(name.size() + value.size() + 4);
    s += ' ';
    s += name;
    s += "=\"";
    s += value;
    s += '"';
    return s;
}

}  // namespace corvane
