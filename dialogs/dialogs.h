// The tag dialogs' design data (controls, handlers and builders).
#pragma once
#include "frame/design.h"

namespace corvane {

struct StartTag;

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

// What /EDIT sets in a dialog before it reads an element's start tag: what
// the element's name says (the heading level, the cell kind), the fields of
// the content off, and the item counts 0, since the content holds the items.
void prepare_heading_edit(Form& f, const StartTag& tag);
void prepare_caption_edit(Form& f, const StartTag& tag);
void prepare_cell_edit(Form& f, const StartTag& tag);
void prepare_list_edit(Form& f, const StartTag& tag);  // UL and OL
void prepare_dl_edit(Form& f, const StartTag& tag);
void prepare_select_edit(Form& f, const StartTag& tag);

}  // namespace corvane
