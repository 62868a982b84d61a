// What the page template dialog and the body dialog share: the background
// image field and the five colour boxes of the BODY start tag, with the one
// colour handler of their buttons, and the BODY attributes they feed.
#pragma once
#include <string>
#include <string_view>

#include "frame/design.h"
#include "frame/tagwriter.h"

namespace corvane::page {

// The colour handler all five buttons share.  The frame runs the colour
// dialog; the pressed button's name says which box gets the colour:
// ButtonBGCOLOR fills ComboBoxBGCOLOR, ButtonTEXT ComboBoxTEXT, ButtonLINK
// ComboBoxLINK, ButtonVLINK ComboBoxVLINK, ButtonALINK ComboBoxALINK.
std::string ButtonCOLORClick(std::string_view button);

// The background field (label, EditBACKGROUND and its image browse button)
// at `top`, and below it the five colour boxes in two columns.
Group body_fields(int top);

// The six BODY attribute clauses, each when its field is not empty:
// BACKGROUND, BGCOLOR, TEXT, LINK, VLINK, ALINK; and those clauses.
TagWriter& body_attributes(TagWriter& t);
Clauses body_clauses();

}  // namespace corvane::page
