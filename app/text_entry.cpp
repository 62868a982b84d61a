// The text module (libcorvane_text.so): the runs that never show a window,
// the comment command and the language server, with no Qt.  `corvane`
// (app/launcher.c) loads it for those two switches alone.
#include <cstring>

#include "comment/comment.h"
#include "common/diagnostics.h"
#include "common/launcher.h"
#include "common/milestone.h"
#include "host/native_hostlink.h"
#include "lsp/lsp.h"

extern "C" __attribute__((visibility("default"))) int corvane_text_main(int argc, char** argv) {
    corvane::milestone("link-loaded");
    // Standard output is the editor's text, or the protocol: no message may
    // reach it, nor a standard error that shares its pipe or file.
    corvane::separate_diagnostics();
    if (argc >= 2 && std::strcmp(argv[1], CORVANE_LSP_SWITCH) == 0) return corvane::lsp::run_language_server();
    // The toggle runs on the host's bytes.
    corvane::NativeHostLink host;
    corvane::run_comment_command(host);
    return 0;
}
