#include "app/switches.h"

#include <array>
#include <exception>

#include "common/casevocab.h"
#include "common/sysinfo.h"
#include "dialogs/dialogs.h"
#include "dialogs/editrun.h"
#include "setup/setup.h"

namespace corvane {

namespace {
constexpr SwitchRow kSwitches[] = {
    {"/FONT", Action::TagDialog, TFormFONT},
    {"/Hn", Action::TagDialog, TFormHn},
    {"/BASE", Action::TagDialog, TFormBASE},
    {"/DL", Action::TagDialog, TFormDL},
    {"/A", Action::TagDialog, TFormA},
    {"/HR", Action::TagDialog, TFormHR},
    {"/UL", Action::TagDialog, TFormUL},
    {"/OL", Action::TagDialog, TFormOL},
    {"/LI", Action::TagDialog, TFormLI},
    {"/IMG", Action::TagDialog, TFormIMG},
    {"/MAP", Action::TagDialog, TFormMAP},
    {"/AREA", Action::TagDialog, TFormAREA},
    {"/MAPS", Action::TagDialog, TFormMAPS},
    {"/TABLE", Action::TagDialog, TFormTABLE},
    {"/CAPTION", Action::TagDialog, TFormCAPTION},
    {"/TR", Action::TagDialog, TFormTR},
    {"/TDTH", Action::TagDialog, TFormTDTH},
    {"/FORM", Action::TagDialog, TFormFORM},
    {"/SELECT", Action::TagDialog, TFormSELECT},
    {"/OPTION", Action::TagDialog, TFormOPTION},
    {"/TEXTAREA", Action::TagDialog, TFormTEXTAREA},
    {"/INPUTtext", Action::TagDialog, TFormINPUTtext},
    {"/INPUTpassword", Action::TagDialog, TFormINPUTpassword},
    {"/INPUTbutton", Action::TagDialog, TFormINPUTbutton},
    {"/INPUTcheckbox", Action::TagDialog, TFormINPUTcheckbox},
    {"/INPUTradio", Action::TagDialog, TFormINPUTradio},
    {"/INPUTsubmit", Action::TagDialog, TFormINPUTsubmit},
    {"/INPUTreset", Action::TagDialog, TFormINPUTreset},
    {"/INPUTimage", Action::TagDialog, TFormINPUTimage},
    {"/INPUThidden", Action::TagDialog, TFormINPUThidden},
    {"/INPUTfile", Action::TagDialog, TFormINPUTfile},
    {"/FRAMESET", Action::TagDialog, TFormFRAMESET},
    {"/FRAME", Action::TagDialog, TFormFRAME},
    {"/FRAMES", Action::TagDialog, TFormFRAMES},
    {"/HTML", Action::TagDialog, TFormHTML},
    {"/BODY", Action::TagDialog, TFormBODY},
    {"/BGSOUND", Action::TagDialog, TFormBGSOUND},
    {"/LiveAudio", Action::TagDialog, TFormLiveAudio},
    {"/MIDPLUG", Action::TagDialog, TFormMIDPLUG},
    {"/COMMENT", Action::Comment, nullptr},
    {"/EDIT", Action::Edit, nullptr},
};
}  // namespace

const SwitchRow* find_switch(std::string_view arg) {
    for (const SwitchRow& row : kSwitches)
        if (arg == row.name) return &row;
    return nullptr;
}

std::span<const SwitchRow> all_switches() { return kSwitches; }

namespace {

int run_dialog(const DialogDesign& design, bool tag_dialog, HostLink& host, Platform& platform,
               const std::function<void(Dialog&)>& show, EditRun* edit = nullptr) {
    Dialog dialog(design, host, platform);
    dialog.create();
    if (tag_dialog) current_case() = load_case_settings(settings_file("Corvane.ini"));
    dialog.set_case_settings(current_case());
    if (edit) edit->attach(dialog);
    show(dialog);
    return dialog.exit_code();
}

}  // namespace

int run_windowed(int argc, const SwitchRow* row, HostLink& host, Platform& platform,
                 const std::function<void(Dialog&)>& show, const std::function<void()>& bad_switch,
                 EditRun* edit, const std::function<void(const std::string&)>& refuse) {
    try {
        if (edit) {
            if (!edit->refusal().empty()) {
                refuse(edit->refusal());
                return kRefusedEditExit;
            }
            return run_dialog(edit->design(), true, host, platform, show, edit);
        }
        if (argc < 2) return run_dialog(TFormSetup(), false, host, platform, show);
        if (!row) {
            bad_switch();
            return kBadSwitchExit;
        }
        return run_dialog(row->design(), true, host, platform, show);
    } catch (const std::exception& e) {
        // An error during start-up itself: shown, then the run ends normally.
        platform.show_error(e.what());
        return 0;
    }
}

std::string bad_switch_text(std::string_view arg) {
    return "パラメータエラー ( " + std::string(arg) + " )\nPelinorデータの指定誤り";
}

}  // namespace corvane
