// How corvane finds the window half of the program: a module beside the
// executable with one C entry point, the same as main's.
#pragma once

#if defined(_WIN32)
#define CORVANE_APP_MODULE "corvane_app.dll"
#define CORVANE_APP_EXPORT __declspec(dllexport)
#else
#define CORVANE_APP_MODULE "libcorvane_app.so"
#define CORVANE_APP_EXPORT __attribute__((visibility("default")))
#endif

#define CORVANE_APP_ENTRY "corvane_app_main"

extern "C" {
typedef int (*CorvaneAppMain)(int argc, char** argv);
}
