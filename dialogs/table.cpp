#include "dialogs/table.h"

#include <algorithm>
#include <string>

#include "dialogs/dialogs.h"
#include "frame/dialog.h"
#include "frame/form.h"
#include "frame/platform.h"
#include "frame/tagreader.h"

namespace corvane {

namespace {

// --- Shorthands for the rows ------------------------------------------------
EditElement named(std::string_view name, EditPrepare prepare = nullptr) { return {.name = name, .prepare = prepare}; }
// An empty element: a start tag alone.
EditElement empty(std::string_view name) { return {.name = name, .empty = true}; }
// An INPUT of one TYPE; a tag without TYPE is a text field.
EditElement input(std::string_view type) {
    return {.name = "INPUT", .when = EditWhen::ValueIs, .attribute = "TYPE", .value = type,
            .when_absent = type == "text", .empty = true};
}
EditElement embed(EditWhen when) { return {.name = "EMBED", .when = when, .attribute = "PANEL", .empty = true}; }

using F = MenuFamily;

// The rows, made on first use, so that a reader running during static
// initialisation finds them too.
const std::vector<DialogRow>& table_rows() {
    static const std::vector<DialogRow> table = {
        {"/FONT", TFormFONT, "FONT", {named("FONT")}, {F::Headings, 2, "Font"}},
        {"/Hn", TFormHn, "H1 to H6",
         {named("H1", prepare_heading_edit), named("H2", prepare_heading_edit), named("H3", prepare_heading_edit),
          named("H4", prepare_heading_edit), named("H5", prepare_heading_edit), named("H6", prepare_heading_edit)},
         {F::Headings, 1, "Heading"}},
        {"/AREA", TFormAREA, "AREA", {empty("AREA")}, {F::ImageMaps, 2, "Map area"}},
        {"/BASE", TFormBASE, "BASE", {empty("BASE")}, {F::Links, 2, "Base URL"}},
        {"/BGSOUND", TFormBGSOUND, "BGSOUND", {empty("BGSOUND")}, {F::Sound, 1, "Background sound"}},
        {"/BODY", TFormBODY, "BODY", {named("BODY")}, {F::Document, 2, "Body"}},
        {"/CAPTION", TFormCAPTION, "CAPTION", {named("CAPTION", prepare_caption_edit)}, {F::Tables, 2, "Caption"}},
        {"/DL", TFormDL, "DL with DT and DD lines", {named("DL", prepare_dl_edit)}, {F::Lists, 4, "Definition list"}},
        {"/FORM", TFormFORM, "FORM", {named("FORM")}, {F::Forms, 1, "Form"}},
        {"/FRAME", TFormFRAME, "FRAME", {empty("FRAME")}, {F::Frames, 2, "Frame"}},
        {"/FRAMES", TFormFRAMES, "FRAMESET with FRAME lines and NOFRAMES (template)", {},
         {F::Frames, 3, "Frame set skeleton"}},
        {"/FRAMESET", TFormFRAMESET, "FRAMESET", {named("FRAMESET")}, {F::Frames, 1, "Frame set"}},
        {"/A", TFormA, "A", {named("A")}, {F::Links, 1, "Link or anchor"}},
        {"/INPUTtext", TFormINPUTtext, "INPUT TYPE=\"text\"", {input("text")}, {F::InputFields, 1, "Text"}},
        {"/HTML", TFormHTML, "HTML page template (DOCTYPE, HEAD, TITLE, META, BASE, BODY)", {},
         {F::Document, 1, "Page skeleton"}},
        {"/IMG", TFormIMG, "IMG", {empty("IMG")}, {F::Images, 1, "Image"}},
        {"/INPUTbutton", TFormINPUTbutton, "INPUT TYPE=\"button\"", {input("button")}, {F::InputFields, 3, "Button"}},
        {"/INPUTcheckbox", TFormINPUTcheckbox, "INPUT TYPE=\"checkbox\"", {input("checkbox")},
         {F::InputFields, 4, "Check box"}},
        {"/INPUTfile", TFormINPUTfile, "INPUT TYPE=\"file\"", {input("file")}, {F::InputFields, 10, "File upload"}},
        {"/INPUThidden", TFormINPUThidden, "INPUT TYPE=\"hidden\"", {input("hidden")},
         {F::InputFields, 9, "Hidden field"}},
        {"/INPUTimage", TFormINPUTimage, "INPUT TYPE=\"image\"", {input("image")}, {F::InputFields, 8, "Image button"}},
        {"/INPUTpassword", TFormINPUTpassword, "INPUT TYPE=\"password\"", {input("password")},
         {F::InputFields, 2, "Password"}},
        {"/INPUTradio", TFormINPUTradio, "INPUT TYPE=\"radio\"", {input("radio")}, {F::InputFields, 5, "Radio button"}},
        {"/INPUTreset", TFormINPUTreset, "INPUT TYPE=\"reset\"", {input("reset")}, {F::InputFields, 7, "Reset button"}},
        {"/INPUTsubmit", TFormINPUTsubmit, "INPUT TYPE=\"submit\"", {input("submit")},
         {F::InputFields, 6, "Submit button"}},
        {"/HR", TFormHR, "HR", {empty("HR")}, {F::Headings, 3, "Rule"}},
        {"/UL", TFormUL, "UL with LI lines", {named("UL", prepare_list_edit)}, {F::Lists, 1, "Bulleted list"}},
        {"/LiveAudio", TFormLiveAudio, "EMBED for LiveAudio", {embed(EditWhen::Lacks)},
         {F::Sound, 2, "LiveAudio player"}},
        {"/MAP", TFormMAP, "MAP", {named("MAP")}, {F::ImageMaps, 1, "Map"}},
        {"/MAPS", TFormMAPS, "IMG, MAP and AREA lines (template)", {}, {F::ImageMaps, 3, "Clickable map"}},
        {"/MIDPLUG", TFormMIDPLUG, "EMBED for MIDPLUG", {embed(EditWhen::Has)}, {F::Sound, 3, "MIDI player"}},
        {"/OL", TFormOL, "OL with LI lines", {named("OL", prepare_list_edit)}, {F::Lists, 2, "Numbered list"}},
        {"/OPTION", TFormOPTION, "OPTION", {named("OPTION")}, {F::Forms, 3, "Option"}},
        {"/SELECT", TFormSELECT, "SELECT with OPTION lines", {named("SELECT", prepare_select_edit)},
         {F::Forms, 2, "Selection list"}},
        {"/TABLE", TFormTABLE, "TABLE", {named("TABLE")}, {F::Tables, 1, "Table"}},
        {"/TDTH", TFormTDTH, "TD or TH", {named("TD", prepare_cell_edit), named("TH", prepare_cell_edit)}, {F::Tables, 4, "Cell"}},
        {"/TEXTAREA", TFormTEXTAREA, "TEXTAREA", {named("TEXTAREA")}, {F::Forms, 4, "Text area"}},
        {"/TR", TFormTR, "TR", {named("TR")}, {F::Tables, 3, "Row"}},
        {"/LI", TFormLI, "LI", {named("LI")}, {F::Lists, 3, "List item"}},
    };
    return table;
}

}  // namespace

std::string_view family_name(MenuFamily family) {
    switch (family) {
        case F::Headings: return "Headings, font, rule";
        case F::Lists: return "Lists";
        case F::Links: return "Links";
        case F::Images: return "Images";
        case F::ImageMaps: return "Image maps";
        case F::Tables: return "Tables";
        case F::Forms: return "Forms";
        case F::InputFields: return "Input fields";
        case F::Frames: return "Frames";
        case F::Document: return "Document";
        case F::Sound: return "Sound and plug-ins";
    }
    return {};
}

bool EditElement::matches(const StartTag& tag) const {
    if (!equal_ignoring_case(tag.name, name)) return false;
    const TagAttribute* a = attribute.empty() ? nullptr : find_attribute(tag, attribute);
    switch (when) {
        case EditWhen::Always: return true;
        case EditWhen::ValueIs: return a ? !a->bare && equal_ignoring_case(a->value, value) : when_absent;
        case EditWhen::Has: return a != nullptr;
        case EditWhen::Lacks: return a == nullptr;
    }
    return false;
}

std::string DialogRow::caption_tail(const CaseSettings& cs) const {
    const std::string shown = dialog_caption(design(), cs);
    const std::string title = std::string(kAppTitle) + " : ";
    return shown.starts_with(title) ? shown.substr(title.size()) : shown;
}

const std::vector<DialogRow>& dialog_table() { return table_rows(); }

const std::vector<const DialogRow*>& dialogs_in_menu_order() {
    static const std::vector<const DialogRow*> order = [] {
        std::vector<const DialogRow*> rows;
        for (const DialogRow& r : table_rows()) rows.push_back(&r);
        std::stable_sort(rows.begin(), rows.end(), [](const DialogRow* a, const DialogRow* b) {
            return a->menu.family != b->menu.family ? a->menu.family < b->menu.family
                                                    : a->menu.position < b->menu.position;
        });
        return rows;
    }();
    return order;
}

const DialogRow* find_dialog(std::string_view switch_name) {
    for (const DialogRow& r : table_rows())
        if (r.switch_name == switch_name) return &r;
    return nullptr;
}

EditChoice find_edit_dialog(const StartTag& tag) {
    EditChoice choice;
    for (const DialogRow& r : table_rows())
        for (const EditElement& e : r.edits) {
            if (e.matches(tag)) return {&r, &e, nullptr};
            if (!choice.asked_about && !e.attribute.empty() && equal_ignoring_case(tag.name, e.name))
                choice.asked_about = find_attribute(tag, e.attribute);
        }
    return choice;
}

}  // namespace corvane
