// Pieces the list dialogs (UL, OL, LI, DL) share: the TYPE clause read from
// the type radio group and its hidden twin, and the empty item lines written
// after a list's start tag.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "frame/form.h"

namespace corvane::lists {

// " TYPE=\"value\"" for the selected type, nothing for item 0 ("標準").
inline std::string type_clause(const Form& f) {
    return f.choice_clause("RadioGroupTYPE", "RadioGroupTYPEx", "StaticTextTYPE");
}

// One line of an item: its indent and the label whose caption is the markup.
struct ItemLine {
    std::string_view indent;
    std::string_view label;
};

// `count` items, each written as its lines, every line ended by the host
// line break.
inline std::string item_lines(const Form& f, BuildContext& ctx, int count, std::initializer_list<ItemLine> lines) {
    std::string s;
    for (int i = 0; i < count; ++i)
        for (const ItemLine& line : lines) {
            s += line.indent;
            s += f.label(line.label);
            s += ctx.crlf();
        }
    return s;
}

}  // namespace corvane::lists
