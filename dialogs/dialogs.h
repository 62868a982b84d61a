// The tag dialogs' design data (controls, handlers and builders).
#pragma once
#include "frame/design.h"

namespace corvane {

const DialogDesign& TFormFONT();
const DialogDesign& TFormHn();
const DialogDesign& TFormHR();
const DialogDesign& TFormUL();
const DialogDesign& TFormOL();
const DialogDesign& TFormLI();
const DialogDesign& TFormDL();
const DialogDesign& TFormA();
const DialogDesign& TFormBASE();

// Sound and plug-in dialogs.
const DialogDesign& TFormBGSOUND();
const DialogDesign& TFormLiveAudio();
const DialogDesign& TFormMIDPLUG();

}  // namespace corvane
