// The tag dialogs' design data (controls, handlers and builders).
#pragma once
#include "frame/design.h"

namespace corvane {

const DialogDesign& TFormFONT();
const DialogDesign& TFormHn();
const DialogDesign& TFormHR();

}  // namespace corvane
