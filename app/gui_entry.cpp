// The entry point of the corvane_app module, which holds everything that
// needs Qt; app/main.cpp loads it for every run that may show a window.
#include "app/gui_entry.h"

#include "app/gui_main.h"
#include "app/switches.h"

extern "C" CORVANE_APP_EXPORT int corvane_app_main(int argc, char** argv) {
    const corvane::SwitchRow* row = argc >= 2 ? corvane::find_switch(argv[1]) : nullptr;
    return corvane::gui_main(argc, argv, row);
}
