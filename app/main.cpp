// Corvane start-up: looks at the first argument only and does one thing.
#include "app/gui_main.h"
#include "app/switches.h"
#include "comment/comment.h"
#include "host/native_hostlink.h"

int main(int argc, char** argv) {
    const corvane::SwitchRow* row = argc >= 2 ? corvane::find_switch(argv[1]) : nullptr;
    if (row && row->action == corvane::Action::Comment) {
        // No window, no settings, no Qt: the toggle runs on the host's bytes.
        corvane::NativeHostLink host;
        corvane::run_comment_command(host);
        return 0;
    }
    return corvane::gui_main(argc, argv, row);
}
