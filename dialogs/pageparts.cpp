#include "dialogs/pageparts.h"

#include "dialogs/parts.h"

namespace corvane::page {

namespace {

// The colour boxes in the order the BODY tag writes them: attribute, label
// and caption.
struct ColorRow {
    const char* attribute;
    const char* label;
    const char* caption;
};
constexpr ColorRow kColors[] = {
    {"BGCOLOR", "Label12", "背景色 (             )"},
    {"TEXT", "Label4", "文字色 (        )"},
    {"LINK", "Label5", "ﾘﾝｸ色 (        )"},
    {"VLINK", "Label8", "ｱｸｾｽ済色 (         )"},
    {"ALINK", "Label10", "ｱｸｾｽ中色 (         )"},
};

}  // namespace

std::string ButtonCOLORClick(std::string_view button) {
    constexpr std::string_view prefix = "Button";
    if (button.substr(0, prefix.size()) != prefix) return {};
    return "ComboBox" + std::string(button.substr(prefix.size()));
}

Group body_fields(int top) {
    Group g = {
        parts::captioned("Label3", "背景画像URL (                 )", "LabelBACKGROUND", "BACKGROUND", 16, top),
        edit("EditBACKGROUND", {16, top + 16, 329, 21}),
        browse_button("ButtonBACKGROUND", {352, top + 16, 49, 21}, "EditBACKGROUND", FilterList::Images),
    };
    int i = 0;
    for (const ColorRow& c : kColors) {
        const int x = i % 2 ? 216 : 16;
        const int y = top + 48 + i / 2 * 44;
        ++i;
        for (ControlDef& def : parts::color_box({c.attribute, c.label, c.caption, x, y, {x, y + 16, 129, 21},
                                                 {x + 136, y + 16, 49, 21}})) {
            if (def.role() == ButtonRole::Color) def.target_found_by(ButtonCOLORClick);
            g.push_back(std::move(def));
        }
    }
    return g;
}

Clauses body_clauses() {
    Clauses clauses{clause::Text{"EditBACKGROUND", "LabelBACKGROUND"}};
    for (const ColorRow& c : kColors)
        clauses.push_back(clause::Text{std::string("ComboBox") + c.attribute, std::string("Label") + c.attribute});
    return clauses;
}

TagWriter& body_attributes(TagWriter& t) {
    static const Clauses clauses = body_clauses();
    return t.write(clauses);
}

}  // namespace corvane::page
