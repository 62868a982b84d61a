// The Windows build's runs that may show a window, on the Win32 view.
#include "app/win32_main.h"

#include <windows.h>


#include <exception>
#include <memory>
#include <string>

#include "app/switches.h"
#include "app/editrun.h"
#include "common/casevocab.h"
#include "common/sysinfo.h"
#include "frame/win32/win32platform.h"
#include "frame/win32/win32view.h"
#include "host/native_hostlink.h"
#include "setup/setup.h"

namespace corvane {

namespace {

// The first argument as the user wrote it: the C library's argv holds it in
// the ANSI code page, which may not hold every character typed.
std::string first_argument_utf8(const char* fallback) {
    int n = 0;
    using Split = LPWSTR*(WINAPI*)(LPCWSTR, int*);
    auto split = reinterpret_cast<Split>(reinterpret_cast<void*>(system_function(L"shell32.dll", "CommandLineToArgvW")));
    LPWSTR* args = split ? split(GetCommandLineW(), &n) : nullptr;
    std::string arg = fallback;
    if (args && n >= 2) arg = utf8(args[1]);
    if (args) LocalFree(args);
    return arg;
}

// The bad-switch box: at the caret's X, 50 pixels below its Y; a negative
// coordinate leaves that edge to the default placement.  An /EDIT refusal
// is shown the same way.
void error_message(HostLink& host, const std::string& text) {
    const int x = host.GetPosSize(0);
    const int y = host.GetPosSize(1) + 50;
    error_box_at("エラー", text, x, y);
}

void bad_switch_message(HostLink& host, const std::string& arg) { error_message(host, bad_switch_text(arg)); }

// Shows the dialog and runs the loop until the window is gone.
void show_until_closed(Dialog& dialog, Win32Platform& platform) {
    struct QuitOnClose final : ViewEvents {
        void closed() override { PostQuitMessage(0); }
    } run;
    Win32DialogWindow window(dialog, &run);
    platform.set_owner(window.hwnd());
    window.show();
    run_message_loop(window);
    platform.set_owner(nullptr);
}

}  // namespace

int win32_main(int argc, char** argv, const SwitchRow* row) {
    NativeHostLink host;
    Win32Platform platform;
    // /EDIT reads the selection first; a refusal is shown like a bad switch.
    std::unique_ptr<EditRun> edit;
    if (row && row->action == Action::Edit) edit = std::make_unique<EditRun>(host);
    return run_windowed(
        argc, row, host, platform, [&](Dialog& dialog) { show_until_closed(dialog, platform); },
        [&] { bad_switch_message(host, first_argument_utf8(argv[1])); }, edit.get(),
        [&](const std::string& refusal) { error_message(host, refusal); });
}

}  // namespace corvane
