#include "dialogs/frameparts.h"

#include "common/casevocab.h"
#include "dialogs/parts.h"

namespace corvane::frames {

Group frameborder_group(Rect rect) {
    // "未指定", an ideographic space and a blank: the three items line up
    // at their brackets in the dialog font.
    return parts::value_group({"FRAMEBORDER",
                               "境界線 (            )",
                               {"未指定\u3000 (立体表示)", "立体表示 (\"yes\")", "平面表示 (\"no\")"},
                               {"", "yes", "no"},
                               rect});
}

Group border_color_box(int x, int y, int combo_w) {
    return parts::color_box({"BORDERCOLOR", "Label12", "境界色 (                  )", x, y,
                             {x, y + 16, combo_w, 21}, {x + combo_w + 7, y + 16, 49, 21}});
}

Group frameset_part() {
    return Group{
        radio_group("RadioGroupKind", "分割方向", {"横 (COLS)", "縦 (ROWS)"}, {16, 4, 161, 57})
            .lower_with_attribute()
            .twin({"COLS", "ROWS"}),
        label("Label2", "分割情報", 16, 68),
        edit("EditCOLSROWS", {16, 84, 161, 21}),
        parts::text_field("BORDER", "Label3", "枠の太さ (           )", 16, 112, {16, 128, 73, 21}),
        frameborder_group({192, 4, 153, 77}),
        label("Label1", "境界線の幅", 192, 88),
        parts::captioned("Label4", "(                    )", "LabelFRAMESPACING", "FRAMESPACING", 192, 104),
        edit("EditFRAMESPACING", {192, 120, 73, 21}),
        border_color_box(16, 156, 105),
    };
}

Clauses frameset_clauses() {
    return {
        clause::NamedText{"RadioGroupKind", "EditCOLSROWS"},
        clause::Text{"EditBORDER", "LabelBORDER"},
        clause::Text{"EditFRAMESPACING", "LabelFRAMESPACING"},
        clause::Choice{"RadioGroupFRAMEBORDER", "StaticTextFRAMEBORDER"},
        clause::Text{"ComboBoxBORDERCOLOR", "LabelBORDERCOLOR"},
    };
}

TagWriter frameset_start_tag(const Form& f, BuildContext& ctx) {
    static const Clauses clauses = frameset_clauses();
    TagWriter t(f, ctx, W_FRAMESET);
    t.write(clauses).close();
    return t;
}

}  // namespace corvane::frames
