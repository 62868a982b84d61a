#include "dialogs/parts.h"

#include <utility>

namespace corvane::parts {

Group captioned(std::string label_name, std::string caption, std::string name_label_name, std::string attribute,
                int x, int y) {
    std::string owner = label_name;
    return Group{
        label(std::move(label_name), std::move(caption), x, y),
        name_label(std::move(name_label_name), std::move(attribute), std::move(owner)),
    };
}

Group color_box(const ColorBox& b) {
    const std::string combo = "ComboBox" + b.attribute;
    return Group{
        captioned(b.label_name, b.caption, b.name_label.empty() ? "Label" + b.attribute : b.name_label, b.attribute,
                  b.x, b.y),
        color_combo(combo, b.combo),
        color_button("Button" + b.attribute, b.button, combo),
    };
}

Group value_group(const ValueGroup& g) {
    const std::string name = "RadioGroup" + g.attribute;
    ControlDef list = radio_group(name, g.caption, g.items, g.rect, g.selected, g.columns);
    list.fixed_pitch = g.fixed_pitch;
    return Group{
        std::move(list.upper_with_value().twin(g.values)),
        name_label("StaticText" + g.attribute, g.attribute, name),
    };
}

Group align_group(std::string caption, Rect rect) {
    return value_group({"ALIGN", std::move(caption),
                        {"未指定", "左側 (\"left\")", "中央 (\"center\")", "右側 (\"right\")"},
                        {"", "left", "center", "right"},
                        rect});
}

Group valign_group(std::string caption, Rect rect) {
    return value_group({"VALIGN", std::move(caption),
                        {"未指定", "上 (\"top\")", "中 (\"middle\")", "下 (\"bottom\")"},
                        {"", "top", "middle", "bottom"},
                        rect});
}

Group percent_field(const PercentField& f) {
    return Group{
        text_field(f.attribute, f.label_name, f.caption, f.x, f.y, f.edit),
        check_box("CheckBox" + f.attribute + "P", "％", {f.box_x, f.box_y, 0, 0}),
    };
}

Group text_field(std::string attribute, std::string label_name, std::string caption, int x, int y, Rect edit_rect,
                 std::string text) {
    std::string edit_name = "Edit" + attribute;
    return Group{
        captioned(std::move(label_name), std::move(caption), "Label" + attribute, attribute, x, y),
        edit(std::move(edit_name), edit_rect, std::move(text)),
    };
}

}  // namespace corvane::parts

namespace corvane::parts {

Group flag_box(const FlagBox& f) {
    return Group{
        check_box("CheckBox" + f.attribute, f.caption, f.box),
        captioned(f.label_name, f.gap_caption, "Label" + f.attribute, f.attribute, f.x, f.y),
    };
}

Group named_box(std::string attribute, std::string caption, Rect box) {
    const std::string name = "CheckBox" + attribute;
    return Group{
        check_box(name, std::move(caption), box),
        name_label("StaticText" + attribute, attribute, name),
    };
}

}  // namespace corvane::parts
