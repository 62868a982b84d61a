// Groups of controls that several dialogs share, each written once and
// spliced into the design tables as one piece.
#pragma once
#include <string>
#include <vector>

#include "frame/design.h"

namespace corvane::parts {

// A descriptive label with a blank gap ("背景色 (             )") at (x, y)
// and, on its gap, the attribute-name label `name_label` showing `attribute`.
Group captioned(std::string label_name, std::string caption, std::string name_label, std::string attribute, int x,
                int y);

// A colour box: its captioned label, the colour combo box `ComboBox<A>` and
// its "参照" button `Button<A>`, A being the attribute (BGCOLOR, TEXT, ...).
struct ColorBox {
    std::string attribute;       // "BGCOLOR"
    std::string label_name;      // "Label7"
    std::string caption;         // "背景色 (             )"
    int x = 0, y = 0;            // the label
    Rect combo;
    Rect button;
    std::string name_label = {};  // default "Label" + attribute
};
Group color_box(const ColorBox& box);

// A radio group of values with its hidden twin and the attribute-name label
// `StaticText<A>` on the group's caption, the items and the twin's values
// following the value case.
struct ValueGroup {
    std::string attribute;                 // "ALIGN"
    std::string caption;                   // "配置 (      )"
    std::vector<std::string> items;        // "未指定", "左側 (\"left\")", ...
    std::vector<std::string> values;       // "", "left", ...
    Rect rect;
    int columns = 1;
    int selected = 0;                      // the item chosen at start
    bool fixed_pitch = false;              // items aligned by blanks
};
Group value_group(const ValueGroup& group);

// The ALIGN group of the table dialogs and the rule dialog: 未指定, left,
// center, right.
Group align_group(std::string caption, Rect rect);
// The VALIGN group of the table rows and cells: 未指定, top, middle, bottom.
Group valign_group(std::string caption, Rect rect);

// A width or height field: captioned label, edit `Edit<A>` and percent box
// `CheckBox<A>P` "％".
struct PercentField {
    std::string attribute;   // "WIDTH"
    std::string label_name;  // "Label4"
    std::string caption;     // "幅 (          )"
    int x = 0, y = 0;
    Rect edit;
    int box_x = 0, box_y = 0;
};
Group percent_field(const PercentField& field);

// A single-line edit `Edit<A>` with its captioned label, holding `text` at start.
Group text_field(std::string attribute, std::string label_name, std::string caption, int x, int y, Rect edit,
                 std::string text = {});

}  // namespace corvane::parts

namespace corvane::parts {

// A check box `CheckBox<A>` for a bare attribute (NOWRAP, MULTIPLE,
// SELECTED) with, under it, a label "(        )" whose gap holds the
// attribute-name label `Label<A>`.
struct FlagBox {
    std::string attribute;    // "NOWRAP"
    std::string caption;      // "折り返し禁止"
    Rect box;
    std::string label_name;   // "Label1"
    std::string gap_caption;  // "(           )"
    int x = 0, y = 0;         // the label under the box
};
Group flag_box(const FlagBox& flag);

// A check box `CheckBox<A>` whose own caption holds the gap
// ("ｺﾝｿｰﾙ非表示 (           )") of its name label `StaticText<A>`.
Group named_box(std::string attribute, std::string caption, Rect box);

}  // namespace corvane::parts
