// Corvane start-up on Windows: looks at the first argument only and does one
// thing.  The program holds its Win32 view itself.  (Elsewhere `corvane` is
// the launcher of app/launcher.c.)
#include "app/switches.h"
#include "app/win32_main.h"
#include "comment/comment.h"
#include "common/diagnostics.h"
#include "host/native_hostlink.h"

int main(int argc, char** argv) {
    corvane::separate_diagnostics();
    const corvane::SwitchRow* row = argc >= 2 ? corvane::find_switch(argv[1]) : nullptr;
    if (row && row->action == corvane::Action::Comment) {
        // No window, no settings: the toggle runs on the host's bytes.
        corvane::NativeHostLink host;
        corvane::run_comment_command(host);
        return 0;
    }
    return corvane::win32_main(argc, argv, row);
}
