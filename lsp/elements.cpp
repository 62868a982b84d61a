#include "lsp/elements.h"

#include <cstring>
#include <vector>

#include "frame/edit.h"
#include "frame/tagreader.h"

namespace corvane::lsp {

namespace {

// A start tag is looked for no further back than this from the caret, and
// read no further than this.
constexpr size_t kTagReach = 16384;

bool name_char(char c) { return is_name_start(c) || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == ':' || c == '.'; }

// The name of the tag whose "<" is at `i` ("<name" or "</name"): empty when
// none stands there.  `end` is set for an end tag.
std::string_view tag_name_at(std::string_view s, size_t i, bool& end) {
    size_t k = i + 1;
    end = k < s.size() && s[k] == '/';
    if (end) ++k;
    if (k >= s.size() || !is_name_start(s[k])) return {};
    const size_t from = k;
    while (k < s.size() && name_char(s[k])) ++k;
    return s.substr(from, k - from);
}

std::optional<StartTag> start_tag_at(std::string_view s, size_t i) {
    return read_start_tag(s.substr(i, kTagReach));
}

struct Count {
    std::string_view name;
    int depth;
};
int& depth_of(std::vector<Count>& counts, std::string_view name) {
    for (Count& c : counts)
        if (equal_ignoring_case(c.name, name)) return c.depth;
    counts.push_back({name, 0});
    return counts.back().depth;
}

// The end of the end tag closing the element named `name` whose content
// begins at `from`: the first "</name" that no later start tag of the same
// name has opened.  npos when none.
size_t matching_end(std::string_view s, size_t from, std::string_view name) {
    int depth = 0;
    for (size_t i = s.find('<', from); i != std::string_view::npos; i = s.find('<', i + 1)) {
        if (s.compare(i, 4, "<!--") == 0) {
            i = s.find("-->", i + 4);
            if (i == std::string_view::npos) return i;
            continue;
        }
        bool end = false;
        const std::string_view n = tag_name_at(s, i, end);
        if (n.empty() || !equal_ignoring_case(n, name)) continue;
        if (!end) ++depth;
        else if (depth > 0) --depth;
        else {
            const size_t close = s.find('>', i);
            return close == std::string_view::npos ? close : close + 1;
        }
    }
    return std::string_view::npos;
}

// The start tag before `before` that an end tag of `name` after it closes:
// the last "<name" that no end tag of the same name between closes.
std::optional<size_t> matching_start(std::string_view s, size_t before, std::string_view name) {
    int depth = 0;
    size_t i = before;
    while (i > 0) {
        const void* p = memrchr(s.data(), '<', i);
        if (!p) break;
        i = static_cast<size_t>(static_cast<const char*>(p) - s.data());
        bool end = false;
        const std::string_view n = tag_name_at(s, i, end);
        if (n.empty() || !equal_ignoring_case(n, name)) continue;
        if (end) ++depth;
        else if (depth > 0) --depth;
        else return i;
    }
    return std::nullopt;
}

}  // namespace

std::optional<ElementSpan> element_around(std::string_view s, size_t from, size_t to,
                                          bool (*edited)(std::string_view), bool (*without_end)(std::string_view)) {
    if (to > s.size()) to = s.size();
    if (from > to) from = to;
    if (from < to) {
        const FoundElement found = find_element(s.substr(from, to - from));
        if (found.element && edited(found.element->tag.name))
            return ElementSpan{from, to, std::string(found.element->tag.name)};
    }
    // The start tag the range begins in, if any.
    size_t open = std::string_view::npos;
    for (size_t i = from + 1, floor = from > kTagReach ? from - kTagReach : 0; i-- > floor;) {
        if (i < s.size() && s[i] == '<') {
            open = i;
            break;
        }
        if (i < from && s[i] == '>') break;
    }
    if (open != std::string_view::npos) {
        if (std::optional<StartTag> tag = start_tag_at(s, open); tag && open + tag->length > from && open + tag->length >= to) {
            if (edited(tag->name)) {
                const size_t tag_end = open + tag->length;
                if (without_end(tag->name) || tag->self_closing) return ElementSpan{open, tag_end, std::string(tag->name)};
                const size_t end = matching_end(s, tag_end, tag->name);
                if (end != std::string_view::npos) return ElementSpan{open, end, std::string(tag->name)};
            }
            from = open;  // an element around this one holds the whole tag
        }
    }
    // Forward from the range's end: the first end tag of an edited element
    // that no start tag after the range has opened closes the innermost
    // element around it; its start tag is then found backward.
    std::vector<Count> depth;
    for (size_t i = s.find('<', to); i != std::string_view::npos; i = s.find('<', i + 1)) {
        if (s.compare(i, 4, "<!--") == 0) {
            i = s.find("-->", i + 4);
            if (i == std::string_view::npos) break;
            continue;
        }
        bool end = false;
        const std::string_view name = tag_name_at(s, i, end);
        if (name.empty() || !edited(name) || without_end(name)) continue;
        int& d = depth_of(depth, name);
        if (!end) {
            ++d;
            continue;
        }
        if (d > 0) {
            --d;
            continue;
        }
        const std::optional<size_t> start = matching_start(s, from, name);
        const size_t close = s.find('>', i);
        if (!start || close == std::string_view::npos) continue;  // a stray end tag
        const std::optional<StartTag> tag = start_tag_at(s, *start);
        if (!tag || *start + tag->length > from) continue;
        return ElementSpan{*start, close + 1, std::string(tag->name)};
    }
    return std::nullopt;
}

}  // namespace corvane::lsp
