// Reading markup back: one start tag at the start of a text, its name and
// its attributes exactly as they were written.  Nothing is decoded; every
// view points into the text read.
#pragma once
#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace corvane {

struct TagAttribute {
    std::string_view name;
    std::string_view value;  // between its quotes, or unquoted; empty when bare
    std::string_view text;   // the whole attribute: name, "=", quotes, value
    bool bare = true;        // written without "="
    char quote = 0;          // '"', '\'' or 0 (unquoted or bare)
};

struct StartTag {
    std::string_view name;
    std::vector<TagAttribute> attributes;
    bool self_closing = false;        // ends in "/>"
    bool blank_before_slash = false;  // " />" rather than "/>"
    size_t length = 0;                // bytes from "<" through ">"
};

// The start tag at the very beginning of `text`: "<", a name of letters,
// digits and "-_:.", attributes, ">".  Nothing when the text does not begin
// with one, or the tag is not closed, or a quote is left open.
std::optional<StartTag> read_start_tag(std::string_view text);

bool is_blank(char c);
bool is_name_start(char c);
bool equal_ignoring_case(std::string_view a, std::string_view b);
// The first attribute named `name` in any letter case, or nullptr.
const TagAttribute* find_attribute(const StartTag& tag, std::string_view name);

}  // namespace corvane
