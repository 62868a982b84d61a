#pragma once

namespace corvane {
// Every run that may need a window: the settings dialog, a tag dialog, or the
// bad-switch message.  Returns the process exit code.
int gui_main(int argc, char** argv);
}
