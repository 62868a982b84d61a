// The image part of the image dialog, which the clickable-map dialog
// repeats: its controls, its size probe and the start of its element.
#pragma once
#include <string>

#include "frame/design.h"
#include "frame/tagwriter.h"

namespace corvane::imageparts {

// Every control of the image dialog but OK and Cancel: SRC and LOWSRC with
// their browse buttons, ALT, the size group, ALIGN, VSPACE, HSPACE, BORDER,
// USEMAP and ISMAP, at the same places in both dialogs.
Group image_part();

// ButtonSRCClick's own step, between choosing a file and making its URL:
// with CheckBoxIMGSize checked, an existing chosen file that is a GIF or a
// JPEG gives WIDTH and HEIGHT its size and clears both percent boxes.
// Anything else leaves the four controls as they were.
void ButtonSRCChosen(Form& f, const std::string& chosen_path);

// "<IMG" and every attribute up to ISMAP, in the element's fixed order:
// SRC (always), LOWSRC, ALT, WIDTH, HEIGHT, BORDER, ALIGN, VSPACE, HSPACE,
// ISMAP.  USEMAP and the rest are the caller's.  And those clauses.
TagWriter image_start(const Form& f, BuildContext& ctx);
Clauses image_clauses();

}  // namespace corvane::imageparts
