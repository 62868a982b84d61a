#include "frame/tagwriter.h"

namespace corvane {

TagWriter::TagWriter(const Form& f, BuildContext& ctx, int element) : f_(f), ctx_(ctx), word_(ctx.E(element)) {
    texts_.start = "<" + word_;
}

TagWriter::TagWriter(const Form& f, BuildContext& ctx) : f_(f), ctx_(ctx) {}

TagWriter& TagWriter::value(std::string_view label, std::string_view v) {
    texts_.start += attr(f_.label(label), v);
    return *this;
}

TagWriter& TagWriter::text(std::string_view control, std::string_view label) {
    if (const std::string& t = f_.text(control); !t.empty()) value(label, t);
    return *this;
}

TagWriter& TagWriter::always(std::string_view control, std::string_view label) {
    return value(label, f_.text(control));
}

TagWriter& TagWriter::percent(std::string_view control, std::string_view label, std::string_view box) {
    if (const std::string& t = f_.text(control); !t.empty()) value(label, f_.checked(box) ? t + "%" : t);
    return *this;
}

TagWriter& TagWriter::bare(std::string_view box, std::string_view label) {
    if (f_.checked(box)) {
        texts_.start += ' ';
        texts_.start += f_.label(label);
    }
    return *this;
}

TagWriter& TagWriter::choice(std::string_view list, std::string_view label) {
    if (f_.selected(list) > 0) value(label, f_.twin_value(list));
    return *this;
}

TagWriter& TagWriter::count(std::string_view spin, std::string_view label) {
    if (int n = f_.spin(spin); n > 0) value(label, std::to_string(n));
    return *this;
}

TagWriter& TagWriter::prefixed(std::string_view control, std::string_view label, std::string_view prefix) {
    if (const std::string& t = f_.text(control); !t.empty()) value(label, std::string(prefix) + t);
    return *this;
}

TagWriter& TagWriter::close() { return put(">"); }

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
