// Corvane start-up: looks at the first argument only and does one thing.
#include <cstring>

#include "app/gui_main.h"
#include "comment/comment.h"
#include "host/native_hostlink.h"

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "/COMMENT") == 0) {
        // No window, no settings, no Qt: the toggle runs on the host's bytes.
        corvane::NativeHostLink host;
        corvane::run_comment_command(host);
        return 0;
    }
    return corvane::gui_main(argc, argv);
}
