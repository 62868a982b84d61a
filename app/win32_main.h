#pragma once

namespace corvane {
struct SwitchRow;
// The Windows build's counterpart of gui_main: the settings dialog (no
// argument), a tag dialog (`row`) or the bad-switch box (an argument without
// a row), shown with the Win32 view.  Returns the process exit code.
int win32_main(int argc, char** argv, const SwitchRow* row);
}
