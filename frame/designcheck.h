// The check every design table passes: each name it uses stands for a
// control of the dialog, every name label sits on a caption with a gap,
// every hidden twin matches its list, every declared clause names controls
// of the dialog, and the builder and the click
// handlers run on every choice the controls offer.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "frame/design.h"

namespace corvane {

// One line per fault, each naming the dialog and the control:
// "TFormHR: tab order names EditSIZ, which is no control".  Empty when the
// design is sound.
std::vector<std::string> check_design(const DialogDesign& design);

// The forms the check runs the builder on: the default form, every edit
// filled and every box checked, and each item of every list chosen.
struct FormCase {
    std::string what;                   // "with RadioGroupALIGN on item 2"
    std::function<void(Form&)> setup;   // makes the form from a fresh one
};
std::vector<FormCase> design_forms(const DialogDesign& design);

}  // namespace corvane
