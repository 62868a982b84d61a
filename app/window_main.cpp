// The window program (corvane-window): every run that may show a window.
// `corvane` (app/launcher.c) starts it in its own place with its own path as
// argv[0]; the loader brings Qt in with the program, as for any Qt program.
#include "app/gui_main.h"
#include "app/switches.h"
#include "common/diagnostics.h"
#include "common/milestone.h"
#include "common/sysinfo.h"
#include "standin/standin_start.h"

int main(int argc, char** argv) {
    corvane::milestone("link-loaded");
    // Standard output is the editor's text: no message may reach it, nor a
    // standard error that shares its pipe or file.
    corvane::separate_diagnostics();
    // The settings follow the layout of the copy that `corvane` belongs to.
    if (argc >= 1 && argv[0] && argv[0][0] == '/') corvane::take_program_path(argv[0]);
    // A windowed run may end without calling the link (no display): the
    // stand-in starts now, so that it hands the selection back all the same.
    corvane_start_link();
    corvane::milestone("selection-read");
    const corvane::SwitchRow* row = argc >= 2 ? corvane::find_switch(argv[1]) : nullptr;
    return corvane::gui_main(argc, argv, row);
}
