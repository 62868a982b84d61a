#include "app/switches.h"

#include <exception>
#include <vector>

#include "app/editrun.h"
#include "common/casevocab.h"
#include "common/launcher.h"
#include "common/sysinfo.h"
#include "dialogs/table.h"
#include "setup/setup.h"

namespace corvane {

namespace {
// Every tag dialog of the table of dialogs, then the two switches that open
// no dialog of their own.
const std::vector<SwitchRow>& switches() {
    static const std::vector<SwitchRow> rows = [] {
        std::vector<SwitchRow> all;
        for (const DialogRow& d : dialog_table()) all.push_back({d.switch_name.data(), Action::TagDialog, d.design});
        all.push_back({CORVANE_COMMENT_SWITCH, Action::Comment, nullptr});
        all.push_back({"/EDIT", Action::Edit, nullptr});
        return all;
    }();
    return rows;
}
}  // namespace

const SwitchRow* find_switch(std::string_view arg) {
    for (const SwitchRow& row : switches())
        if (arg == row.name) return &row;
    return nullptr;
}

std::span<const SwitchRow> all_switches() { return switches(); }

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
