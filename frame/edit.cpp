#include "frame/edit.h"

#include <cstring>
#include <exception>

#include "frame/dialog.h"
#include "frame/tagreadback.h"

namespace corvane {

namespace {

size_t skip_blanks(std::string_view s, size_t i) {
    while (i < s.size() && is_blank(s[i])) ++i;
    return i;
}

// The tag at `i` names `name` ("<name" or "</name", then a blank, "/", ">"
// or the end): the byte after the name, or 0.
size_t names_at(std::string_view s, size_t i, std::string_view name) {
    if (i + name.size() > s.size() || !equal_ignoring_case(s.substr(i, name.size()), name)) return 0;
    const size_t after = i + name.size();
    if (after < s.size() && !is_blank(s[after]) && s[after] != '>' && s[after] != '/') return 0;
    return after;
}

std::string element_text(std::string_view name) { return "<" + std::string(name) + ">"; }

// The end tag that ends `s` ("</name>", blanks allowed before ">"), when
// there is one: where it starts, and its name.
std::optional<std::pair<size_t, std::string_view>> final_end_tag(std::string_view s) {
    if (s.empty() || s.back() != '>') return std::nullopt;
    const size_t open = s.rfind("</");
    if (open == std::string_view::npos) return std::nullopt;
    size_t i = open + 2;
    const size_t name_from = i;
    while (i < s.size() && s[i] != '>' && !is_blank(s[i])) ++i;
    const std::string_view name = s.substr(name_from, i - name_from);
    if (skip_blanks(s, i) != s.size() - 1 || name.empty()) return std::nullopt;
    return std::pair{open, name};
}

bool has_name(const Form& f, const Clause& c, std::string_view name) {
    for (const std::string& n : clause_names(f, c))
        if (equal_ignoring_case(n, name)) return true;
    return false;
}

const WrittenAttribute* written_named(const TagLog& log, std::string_view name) {
    for (const WrittenAttribute& w : log.written)
        if (equal_ignoring_case(w.name, name)) return &w;
    return nullptr;
}

}  // namespace

std::string refusal_text(std::string_view what) { return "/EDIT: " + std::string(what); }

FoundElement find_element(std::string_view s) {
    FoundElement r;
    auto refuse = [&](std::string what) {
        r.refusal = refusal_text(what);
        return r;
    };
    const size_t from = skip_blanks(s, 0);
    if (from == s.size()) return refuse("the selection is empty; select one element");
    const std::string_view rest = s.substr(from);
    if (rest[0] != '<') return refuse("the selection begins with text, not with a tag");
    if (rest.substr(0, 4) == "<!--") return refuse("the selection is a comment, not an element");
    if (rest.substr(0, 2) == "<!" || rest.substr(0, 2) == "<?")
        return refuse("the selection begins with a declaration, not an element");
    if (rest.substr(0, 2) == "</") return refuse("the selection begins with an end tag, not a start tag");
    if (rest.size() < 2 || !is_name_start(rest[1])) return refuse("the selection begins with text, not with a tag");
    std::optional<StartTag> tag = read_start_tag(rest);
    if (!tag) {
        size_t n = 1;
        while (n < rest.size() && n < 40 && !is_blank(rest[n]) && rest[n] != '>' && rest[n] != '<') ++n;
        return refuse("the start tag " + std::string(rest.substr(0, n)) + " is broken or not closed");
    }
    Element e;
    e.start_from = from;
    e.start_to = from + tag->length;
    e.tag = *tag;
    size_t last = s.size();
    while (last > e.start_to && is_blank(s[last - 1])) --last;
    if (last == e.start_to) {
        e.end_from = e.end_to = e.start_to;
        r.element = e;
        return r;
    }
    const std::string_view name = tag->name;
    const auto end = final_end_tag(s.substr(0, last));
    if (!end || end->first < e.start_to)
        return refuse("the selection is not one element: " + element_text(name) + " is not closed at its end");
    if (!equal_ignoring_case(end->second, name))
        return refuse("the selection is not one element: it ends with </" + std::string(end->second) +
                      ">, which does not close " + element_text(name));
    // One pass over the content: elements of the same name nest; the
    // element must close exactly at the end tag found last.
    const std::string_view content = s.substr(0, end->first);
    int depth = 1;
    for (size_t i = e.start_to; i < content.size();) {
        const void* lt = std::memchr(content.data() + i, '<', content.size() - i);
        if (!lt) break;
        i = static_cast<size_t>(static_cast<const char*>(lt) - content.data());
        if (content.compare(i, 4, "<!--") == 0) {
            const size_t close = content.find("-->", i + 4);
            i = close == std::string_view::npos ? content.size() : close + 3;
            continue;
        }
        if (i + 1 < content.size() && content[i + 1] == '/') {
            if (names_at(content, i + 2, name) && --depth == 0)
                return refuse("the selection is not one element: " + element_text(name) +
                              " ends before the selection does");
            i += 2;
            continue;
        }
        if (names_at(content, i + 1, name)) ++depth;
        ++i;
    }
    if (depth != 1)
        return refuse("the selection is not one element: an inner " + element_text(name) + " is not closed");
    e.has_end = true;
    e.end_from = end->first;
    e.end_to = last;
    r.element = e;
    return r;
}

TagTexts build_logged(const Form& f, const CaseSettings& cs, HostLink& host, TagLog& log) {
    BuildContext ctx{cs, host, &log};
    return f.design().build ? f.design().build(f, ctx) : TagTexts{};
}

ReadBack read_tag(Form& f, const StartTag& tag, const CaseSettings& cs, HostLink& host, DialogEnv& env) {
    // The clauses the dialog declares; their names match in any letter case.
    const Clauses& clauses = f.design().clauses;
    for (const Clause& c : clauses) clear_clause(f, c);
    std::vector<bool> consumed(tag.attributes.size(), false);
    auto read_all = [&] {
        for (size_t i = 0; i < tag.attributes.size(); ++i) {
            const TagAttribute& a = tag.attributes[i];
            consumed[i] = false;
            bool twice = false;
            for (size_t j = 0; j < i; ++j) twice = twice || equal_ignoring_case(tag.attributes[j].name, a.name);
            if (twice) continue;  // only the first of a repeated name counts, as in a browser
            for (const Clause& c : clauses)
                if (has_name(f, c, a.name) && read_clause(f, c, a, tag)) {
                    consumed[i] = true;
                    break;
                }
        }
    };
    read_all();
    // The click handlers run as if each list and box had been clicked, for
    // their enabling rules; what they preset is put back as read.
    std::vector<Control> as_read = f.controls();
    for (const ClickHandler& h : f.design().handlers) {
        const Control* c = f.find(h.control);
        if (!c || (c->kind() != Kind::RadioGroup && c->kind() != Kind::CheckBox)) continue;
        try {
            h.handler(f, env);
        } catch (const std::exception&) {
        }
    }
    for (size_t i = 0; i < as_read.size(); ++i) {
        const bool enabled = f.controls()[i].enabled;
        f.controls()[i] = as_read[i];
        f.controls()[i].enabled = enabled;
    }
    ReadBack r;
    r.read = consumed;
    for (Control& c : f.controls()) c.settle_spin();
    build_logged(f, cs, host, r.as_read);
    for (size_t i = 0; i < tag.attributes.size(); ++i) {
        if (consumed[i]) {
            const TagAttribute& a = tag.attributes[i];
            const WrittenAttribute* w = written_named(r.as_read, a.name);
            if (w && (a.bare ? w->value.empty() && w->to - w->from == w->name.size() + 1
                             : equal_ignoring_case(w->value, a.value)))
                continue;
        }
        r.kept.push_back(i);
        r.read[i] = false;
    }
    return r;
}

std::string rewritten_start_tag(const TagTexts& built, const TagLog& log, const ReadBack& read, const StartTag& raw,
                                const std::function<std::string(std::string_view)>& to_host) {
    const std::string& s = built.start;
    const size_t closed = log.closed_at == std::string::npos ? s.size() : log.closed_at;
    const size_t name_end = log.written.empty() ? closed : log.written.front().from;
    std::string out = to_host(std::string_view(s).substr(0, name_end));
    std::vector<bool> dropped(read.kept.size(), false);
    auto was_read = [&](std::string_view name) {
        for (size_t i = 0; i < raw.attributes.size() && i < read.read.size(); ++i)
            if (read.read[i] && equal_ignoring_case(raw.attributes[i].name, name)) return true;
        return false;
    };
    for (const WrittenAttribute& w : log.written) {
        if (w.from >= closed) break;
        bool original_stays = false;
        if (was_read(w.name)) {
            // A repeated name: the first one is the dialog's, the others stay.
            out += to_host(std::string_view(s).substr(w.from, w.to - w.from));
            continue;
        }
        for (size_t k = 0; k < read.kept.size(); ++k) {
            if (!equal_ignoring_case(raw.attributes[read.kept[k]].name, w.name)) continue;
            // The dialog wrote this name when it opened as well: unless the
            // user changed its value, the attribute as written stays.
            const WrittenAttribute* before = written_named(read.as_read, w.name);
            if (before && before->value == w.value) original_stays = true;
            else dropped[k] = true;
        }
        if (!original_stays) out += to_host(std::string_view(s).substr(w.from, w.to - w.from));
    }
    bool unquoted_last = false;
    for (size_t k = 0; k < read.kept.size(); ++k) {
        if (dropped[k]) continue;
        const TagAttribute& a = raw.attributes[read.kept[k]];
        out += ' ';
        out += a.text;
        unquoted_last = !a.bare && !a.quote;
    }
    // A "/" right after an unquoted value would read as part of it.
    out += raw.self_closing ? (raw.blank_before_slash || unquoted_last ? " />" : "/>") : ">";
    return out;
}

std::string rewritten_end_tag(const TagTexts& built, const TagLog& log, const Form& f, bool had_end) {
    if (!had_end) return {};
    if (end_tag_omitted(f)) return {};
    const std::string& s = built.start;
    const size_t closed = log.closed_at == std::string::npos ? s.size() : log.closed_at;
    const size_t name_end = log.written.empty() ? closed : log.written.front().from;
    return "</" + s.substr(1, name_end - 1) + ">";
}

}  // namespace corvane
