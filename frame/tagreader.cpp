#include "frame/tagreader.h"

namespace corvane {

namespace {

bool is_name_char(char c) {
    return is_name_start(c) || (c >= '0' && c <= '9') || c == '-' || c == '_' || c == ':' || c == '.';
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

bool is_name_start(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i])) return false;
    return true;
}

const TagAttribute* find_attribute(const StartTag& tag, std::string_view name) {
    for (const TagAttribute& a : tag.attributes)
        if (equal_ignoring_case(a.name, name)) return &a;
    return nullptr;
}

std::optional<StartTag> read_start_tag(std::string_view s) {
    if (s.size() < 2 || s[0] != '<' || !is_name_start(s[1])) return std::nullopt;
    StartTag tag;
    size_t i = 1;
    while (i < s.size() && is_name_char(s[i])) ++i;
    tag.name = s.substr(1, i - 1);
    // After the name comes a blank, the end, or "/>"; anything else is no tag.
    if (i < s.size() && !is_blank(s[i]) && s[i] != '>' && s[i] != '/') return std::nullopt;
    for (;;) {
        const size_t before_blanks = i;
        while (i < s.size() && is_blank(s[i])) ++i;
        if (i >= s.size()) return std::nullopt;
        if (s[i] == '>') {
            tag.length = i + 1;
            return tag;
        }
        if (s[i] == '/') {
            if (i + 1 < s.size() && s[i + 1] == '>') {
                tag.self_closing = true;
                tag.blank_before_slash = i > before_blanks;
                tag.length = i + 2;
                return tag;
            }
            ++i;  // a stray slash between attributes counts as a blank
            continue;
        }
        if (s[i] == '<' || s[i] == '"' || s[i] == '\'' || s[i] == '=') return std::nullopt;
        TagAttribute a;
        const size_t from = i;
        while (i < s.size() && !is_blank(s[i]) && s[i] != '>' && s[i] != '/' && s[i] != '=' && s[i] != '<' &&
               s[i] != '"' && s[i] != '\'')
            ++i;
        a.name = s.substr(from, i - from);
        size_t j = i;
        while (j < s.size() && is_blank(s[j])) ++j;
        if (j < s.size() && s[j] == '=') {
            ++j;
            while (j < s.size() && is_blank(s[j])) ++j;
            if (j >= s.size()) return std::nullopt;
            a.bare = false;
            if (s[j] == '"' || s[j] == '\'') {
                a.quote = s[j];
                const size_t close = s.find(a.quote, j + 1);
                if (close == std::string_view::npos) return std::nullopt;
                a.value = s.substr(j + 1, close - j - 1);
                i = close + 1;
            } else {
                const size_t vfrom = j;
                while (j < s.size() && !is_blank(s[j]) && s[j] != '>') {
                    if (s[j] == '<' || s[j] == '"' || s[j] == '\'' || s[j] == '`' || s[j] == '=')
                        return std::nullopt;
                    ++j;
                }
                if (j == vfrom) return std::nullopt;
                a.value = s.substr(vfrom, j - vfrom);
                i = j;
            }
            // Two attributes need a blank between them.
            if (i < s.size() && !is_blank(s[i]) && s[i] != '>' && s[i] != '/') return std::nullopt;
        }
        a.text = s.substr(from, i - from);
        tag.attributes.push_back(a);
    }
}

}  // namespace corvane
