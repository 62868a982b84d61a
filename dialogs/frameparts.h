// What the frame dialogs share: the frame border choice and the border
// colour of all three, and the frame-set part (controls and start tag) of
// TFormFRAMESET and TFormFRAMES.
#pragma once
#include "frame/design.h"
#include "frame/tagwriter.h"

namespace corvane::frames {

// RadioGroupFRAMEBORDER with its twin and StaticTextFRAMEBORDER on its
// caption: not specified, "yes", "no".
Group frameborder_group(Rect rect);

// The BORDERCOLOR colour box, its label at (x, y), the combo box `combo_w`
// wide below it and the button beside the combo box.
Group border_color_box(int x, int y, int combo_w);

// The frame-set part, at the same place in both dialogs: the split
// direction (its items and its twin's are attribute names), the split, BORDER,
// FRAMESPACING, FRAMEBORDER and BORDERCOLOR.
Group frameset_part();

// The frame-set start tag up to and with its ">": the split attribute always
// (also with an empty split), then BORDER, FRAMESPACING, FRAMEBORDER and
// BORDERCOLOR when given; and those clauses.
TagWriter frameset_start_tag(const Form& f, BuildContext& ctx);
Clauses frameset_clauses();

}  // namespace corvane::frames
