#include "frame/tagwriter.h"

namespace corvane {

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
    offer(clause::Fixed{std::string(name), std::string(v)});
    return named(name, v);
}

TagWriter& TagWriter::text(std::string_view control, std::string_view label) {
    offer(clause::Text{std::string(control), std::string(label)});
    if (const std::string& t = f_.text(control); !t.empty()) value(label, t);
    return *this;
}

TagWriter& TagWriter::always(std::string_view control, std::string_view label) {
    offer(clause::Always{std::string(control), std::string(label)});
    return value(label, f_.text(control));
}

TagWriter& TagWriter::percent(std::string_view control, std::string_view label, std::string_view box) {
    offer(clause::Percent{std::string(control), std::string(label), std::string(box)});
    if (const std::string& t = f_.text(control); !t.empty()) value(label, f_.checked(box) ? t + "%" : t);
    return *this;
}

TagWriter& TagWriter::bare(std::string_view box, std::string_view label) {
    offer(clause::Bare{std::string(box), std::string(label)});
    if (f_.checked(box)) {
        const size_t from = texts_.start.size();
        texts_.start += ' ';
        texts_.start += f_.label(label);
        note(f_.label(label), {}, from);
    }
    return *this;
}

TagWriter& TagWriter::choice(std::string_view list, std::string_view label) {
    offer(clause::Choice{std::string(list), std::string(label)});
    if (f_.selected(list) > 0) value(label, f_.twin_value(list));
    return *this;
}

TagWriter& TagWriter::pick(std::string_view list, std::string_view label) {
    offer(clause::Pick{std::string(list), std::string(label)});
    return value(label, f_.twin_value(list));
}

TagWriter& TagWriter::named_text(std::string_view list, std::string_view control) {
    offer(clause::NamedText{std::string(list), std::string(control)});
    return named(f_.twin_value(list), f_.text(control));
}

TagWriter& TagWriter::sized(std::string_view list, std::string_view sign, std::string_view label) {
    offer(clause::Sized{std::string(list), std::string(sign), std::string(label)});
    if (int size = f_.selected(list); size > 0) value(label, f_.twin_value(sign) + std::to_string(size));
    return *this;
}

TagWriter& TagWriter::count(std::string_view spin, std::string_view label) { return number(spin, label, Sign::Positive); }

TagWriter& TagWriter::number(std::string_view spin, std::string_view label, Sign when) {
    offer(clause::Number{std::string(spin), std::string(label), when});
    const int n = f_.spin(spin);
    if (when == Sign::Positive ? n > 0 : when == Sign::Negative ? n < 0 : n != 0) value(label, std::to_string(n));
    return *this;
}

TagWriter& TagWriter::text_when(std::string_view box, std::string_view control, std::string_view label) {
    offer(clause::TextWhen{std::string(box), std::string(control), std::string(label)});
    if (f_.checked(box)) value(label, f_.text(control));
    return *this;
}

TagWriter& TagWriter::text_unless(std::string_view control, std::string_view label, std::string_view blank) {
    offer(clause::TextUnless{std::string(control), std::string(label), std::string(blank)});
    if (f_.text(control) != blank) value(label, f_.text(control));
    return *this;
}

TagWriter& TagWriter::repeat(std::string_view group, std::string_view spin, std::string_view label,
                             std::string_view fixed) {
    offer(clause::Repeat{std::string(group), std::string(spin), std::string(label), std::string(fixed)});
    const int item = f_.selected(group);
    if (item <= 0) return *this;
    const bool counted = item == static_cast<int>(f_[group].items.size()) - 1;
    return value(label, counted ? std::to_string(f_.spin(spin)) : fixed.empty() ? f_.twin_value(group) : f_.label(fixed));
}

TagWriter& TagWriter::reads(clause::Own own) {
    offer(std::move(own));
    return *this;
}

TagWriter& TagWriter::write(const Clause& c) {
    struct Writes {
        TagWriter& t;
        void operator()(const clause::Text& k) { t.text(k.control, k.label); }
        void operator()(const clause::Always& k) { t.always(k.control, k.label); }
        void operator()(const clause::Percent& k) { t.percent(k.control, k.label, k.box); }
        void operator()(const clause::Bare& k) { t.bare(k.box, k.label); }
        void operator()(const clause::Choice& k) { t.choice(k.list, k.label); }
        void operator()(const clause::Pick& k) { t.pick(k.list, k.label); }
        void operator()(const clause::NamedText& k) { t.named_text(k.list, k.control); }
        void operator()(const clause::Sized& k) { t.sized(k.list, k.sign, k.label); }
        void operator()(const clause::Number& k) { t.number(k.spin, k.label, k.when); }
        void operator()(const clause::TextWhen& k) { t.text_when(k.box, k.control, k.label); }
        void operator()(const clause::TextUnless& k) { t.text_unless(k.control, k.label, k.blank); }
        void operator()(const clause::Repeat& k) { t.repeat(k.group, k.spin, k.label, k.fixed); }
        void operator()(const clause::Prefixed& k) { t.prefixed(k.control, k.label, k.prefix); }
        void operator()(const clause::Fixed& k) { t.fixed(k.name, k.value); }
        void operator()(const clause::Own& k) { t.reads(k); }
    };
    std::visit(Writes{*this}, c);
    return *this;
}

TagWriter& TagWriter::write(const Clauses& clauses) {
    for (const Clause& c : clauses) write(c);
    return *this;
}

TagWriter& TagWriter::prefixed(std::string_view control, std::string_view label, std::string_view prefix) {
    offer(clause::Prefixed{std::string(control), std::string(label), std::string(prefix)});
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

bool TagWriter::omitted() const { return end_tag_omitted(f_); }

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
