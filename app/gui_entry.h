// How corvane finds the window half of the program: a module
// (CORVANE_APP_MODULE) in app_module_folder(), beside the executable or in
// the installed copy's private library folder, with one C entry point, the
// same as main's.
#pragma once

#include "common/sysinfo.h"

#if defined(_WIN32)
#define CORVANE_APP_EXPORT __declspec(dllexport)
#else
#define CORVANE_APP_EXPORT __attribute__((visibility("default")))
#endif

#define CORVANE_APP_ENTRY "corvane_app_main"

extern "C" {
typedef int (*CorvaneAppMain)(int argc, char** argv);
}
