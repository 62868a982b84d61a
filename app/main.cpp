// Corvane start-up: looks at the first argument only and does one thing.
#include <cstdio>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "app/gui_entry.h"
#include "app/switches.h"
#include "app/win32_main.h"
#include "comment/comment.h"
#include "common/diagnostics.h"
#include "common/milestone.h"
#include "common/sysinfo.h"
#include "host/native_hostlink.h"
#ifndef _WIN32
#include <cstring>

#include "lsp/lsp.h"
#include "standin/standin_start.h"
#endif

namespace {

#ifndef CORVANE_WIN32_VIEW
// Every other run may need a window: it goes to the module that holds Qt.
int run_app_module(int argc, char** argv) {
    const std::string path = corvane::join_path(corvane::app_module_folder(), CORVANE_APP_MODULE);
#ifdef _WIN32
    HMODULE module = LoadLibraryA(path.c_str());
    auto entry = module ? reinterpret_cast<CorvaneAppMain>(reinterpret_cast<void*>(GetProcAddress(module, CORVANE_APP_ENTRY))) : nullptr;
    const char* why = "cannot be loaded";
#else
    // Bound lazily: a run calls few of the functions of the libraries under
    // Qt, and resolving all of them first would come before the window.
    void* module = dlopen(path.c_str(), RTLD_LAZY | RTLD_LOCAL);
    auto entry = module ? reinterpret_cast<CorvaneAppMain>(dlsym(module, CORVANE_APP_ENTRY)) : nullptr;
    const char* why = module ? "has no entry point" : dlerror();
#endif
    if (!entry) {
        std::fprintf(stderr, "corvane: %s: %s\n", path.c_str(), why);
        return 1;
    }
    corvane::milestone("app-module-loaded");
    return entry(argc, argv);
}
#endif

}  // namespace

int main(int argc, char** argv) {
    corvane::milestone("link-loaded");
    // Standard output is the editor's text: no message may reach it, nor a
    // standard error that shares its pipe or file.
    corvane::separate_diagnostics();
#ifndef _WIN32
    // The language server: standard input and output carry the protocol.
    if (argc >= 2 && std::strcmp(argv[1], corvane::lsp::kLspSwitch) == 0) return corvane::lsp::run_language_server();
#endif
    const corvane::SwitchRow* row = argc >= 2 ? corvane::find_switch(argv[1]) : nullptr;
    if (row && row->action == corvane::Action::Comment) {
        // No window, no settings, no Qt: the toggle runs on the host's bytes.
        corvane::NativeHostLink host;
        corvane::run_comment_command(host);
        return 0;
    }
#ifdef CORVANE_WIN32_VIEW
    // The Windows build holds its Win32 view itself: it needs no module.
    return corvane::win32_main(argc, argv, row);
#else
    // A windowed run may end without calling the link (no display): the
    // stand-in starts now, so that it hands the selection back all the same.
    corvane_start_link();
    corvane::milestone("selection-read");
    return run_app_module(argc, argv);
#endif
}
