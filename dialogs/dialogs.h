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
const DialogDesign& TFormIMG();
const DialogDesign& TFormMAP();
const DialogDesign& TFormAREA();
const DialogDesign& TFormMAPS();
// Table and form dialogs.
const DialogDesign& TFormTABLE();
const DialogDesign& TFormCAPTION();
const DialogDesign& TFormTR();
const DialogDesign& TFormTDTH();
const DialogDesign& TFormFORM();
const DialogDesign& TFormSELECT();
const DialogDesign& TFormOPTION();
const DialogDesign& TFormTEXTAREA();
const DialogDesign& TFormINPUTtext();
const DialogDesign& TFormINPUTpassword();
const DialogDesign& TFormINPUTbutton();
const DialogDesign& TFormINPUTcheckbox();
const DialogDesign& TFormINPUTradio();
const DialogDesign& TFormINPUTsubmit();
const DialogDesign& TFormINPUTreset();
const DialogDesign& TFormINPUTimage();
const DialogDesign& TFormINPUThidden();
const DialogDesign& TFormINPUTfile();
const DialogDesign& TFormFRAMESET();
const DialogDesign& TFormFRAME();
const DialogDesign& TFormFRAMES();
const DialogDesign& TFormHTML();
const DialogDesign& TFormBODY();

// Sound and plug-in dialogs.
const DialogDesign& TFormBGSOUND();
const DialogDesign& TFormLiveAudio();
const DialogDesign& TFormMIDPLUG();

}  // namespace corvane
