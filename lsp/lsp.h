// `corvane --lsp`: the language server on standard input and output.
#pragma once

#include "common/launcher.h"

namespace corvane::lsp {

inline constexpr const char* kLspSwitch = CORVANE_LSP_SWITCH;

// Serves until the client says exit or closes standard input; returns the
// exit code (0 after shutdown, 1 without).
int run_language_server();

}  // namespace corvane::lsp
