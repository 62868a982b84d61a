#pragma once

namespace corvane {
struct SwitchRow;
// Every run that may need a window: the settings dialog (no argument), a tag
// dialog (`row`), or the bad-switch message (an argument without a row).
// Returns the process exit code.
int gui_main(int argc, char** argv, const SwitchRow* row);
}
