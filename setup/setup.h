// TFormSetup: the settings dialog shown when Corvane starts without a switch.
#pragma once
#include "frame/design.h"

namespace corvane {

const DialogDesign& TFormSetup();

}  // namespace corvane
