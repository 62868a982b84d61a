// The switch table: what the first command-line argument asks for.
#pragma once
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "frame/design.h"
#include "frame/dialog.h"
#include "frame/platform.h"

namespace corvane {

class EditRun;

// Edit: the dialog of the element the selection is, filled from its start
// tag (app/editrun.h).
enum class Action { TagDialog, Comment, Edit };

struct SwitchRow {
    const char* name;                     // matched whole and case-sensitively
    Action action;
    const DialogDesign& (*design)();      // the dialog a tag-dialog switch opens
};

// The row whose switch equals `arg`, or nullptr.
const SwitchRow* find_switch(std::string_view arg);
// Every row, in table order.
std::span<const SwitchRow> all_switches();

// A first argument without a row: the error box's text names it exactly as
// it was passed; the run ends with -1 (255 as a POSIX shell sees it).
std::string bad_switch_text(std::string_view arg);
constexpr int kBadSwitchExit = -1;
// A selection /EDIT cannot edit ends the run the same way.
constexpr int kRefusedEditExit = kBadSwitchExit;

// A run with a window, whichever view draws it: the settings dialog without
// an argument, the bad-switch message for an argument without a row, else
// the row's tag dialog.  The dialog is created (placement first: nothing in
// creation depends on the case settings), a tag dialog gets the case
// settings read from Corvane.ini, and `show(dialog)` shows it in the view
// until its window is gone.  An error raised on the way is shown by
// `platform`, and the run then ends normally.
// With `edit` (an /EDIT run, whose selection the caller has already read),
// the element's own dialog is shown filled from its start tag, or, when the
// selection is no element Corvane edits, `refuse` shows the refusal and the
// run ends with kRefusedEditExit.
int run_windowed(int argc, const SwitchRow* row, HostLink& host, Platform& platform,
                 const std::function<void(Dialog&)>& show, const std::function<void()>& bad_switch,
                 EditRun* edit = nullptr, const std::function<void(const std::string&)>& refuse = {});

}  // namespace corvane
