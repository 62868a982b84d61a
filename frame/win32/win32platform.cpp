#include "frame/win32/win32platform.h"

#include <commdlg.h>

#include "frame/win32/win32text.h"

namespace corvane {

namespace {
const wchar_t kTitle[] = L"Pelinor - HTML";
}  // namespace

std::optional<Rgb> Win32Platform::choose_color(Rgb initial) {
    // The sixteen custom colours live for the run, as the dialog's own.
    static COLORREF custom[16] = {};
    CHOOSECOLORW cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = owner_;
    cc.rgbResult = RGB(initial.r, initial.g, initial.b);
    cc.lpCustColors = custom;
    cc.Flags = CC_RGBINIT | CC_ANYCOLOR;
    using Choose = BOOL(WINAPI*)(CHOOSECOLORW*);
    auto choose = reinterpret_cast<Choose>(reinterpret_cast<void*>(system_function(L"comdlg32.dll", "ChooseColorW")));
    if (!choose || !choose(&cc)) return std::nullopt;
    return Rgb{GetRValue(cc.rgbResult), GetGValue(cc.rgbResult), GetBValue(cc.rgbResult)};
}

std::wstring open_filter_text(const std::vector<FileFilter>& filters) {
    std::wstring text;
    for (const FileFilter& f : filters) {
        text += wide(f.description);
        text += L'\0';
        for (size_t i = 0; i < f.patterns.size(); ++i) {
            if (i) text += L';';
            text += wide(f.patterns[i]);
        }
        text += L'\0';
    }
    text += L'\0';
    return text;
}

// The dialog leaves the process's current folder at the chosen file's
// folder (no OFN_NOCHANGEDIR), which the relative URL relies on.
std::optional<std::string> Win32Platform::open_file(const std::string& initial_folder,
                                                    const std::vector<FileFilter>& filters) {
    const std::wstring filter = open_filter_text(filters);
    const std::wstring folder = wide(initial_folder);
    std::wstring file(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner_;
    ofn.lpstrFilter = filters.empty() ? nullptr : filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    using Open = BOOL(WINAPI*)(OPENFILENAMEW*);
    auto open = reinterpret_cast<Open>(reinterpret_cast<void*>(system_function(L"comdlg32.dll", "GetOpenFileNameW")));
    if (!open || !open(&ofn)) return std::nullopt;
    file.resize(wcslen(file.c_str()));
    return utf8(file);
}

void Win32Platform::show_error(const std::string& text) {
    MessageBoxW(owner_, wide(text).c_str(), kTitle, MB_OK | MB_ICONERROR | (owner_ ? 0 : MB_TOPMOST));
}

void Win32Platform::show_message(const std::string& title, const std::string& text) {
    MessageBoxW(owner_, wide(text).c_str(), wide(title).c_str(), MB_OK | (owner_ ? 0 : MB_TOPMOST));
}

namespace {

// A message box cannot be told where to open; it is moved when it is about
// to be shown, from a hook on this thread.
struct BoxPlace {
    int x, y;
    HHOOK hook;
};
BoxPlace* g_place = nullptr;

LRESULT CALLBACK place_box(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE && g_place) {
        HWND box = reinterpret_cast<HWND>(wp);
        RECT r;
        GetWindowRect(box, &r);
        const int left = g_place->x >= 0 ? g_place->x : r.left;
        const int top = g_place->y >= 0 ? g_place->y : r.top;
        SetWindowPos(box, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        UnhookWindowsHookEx(g_place->hook);
        g_place = nullptr;
        return 0;
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

void error_box_at(const std::string& title, const std::string& text, int x, int y) {
    BoxPlace place{x, y, nullptr};
    if (x >= 0 || y >= 0) {
        place.hook = SetWindowsHookExW(WH_CBT, place_box, nullptr, GetCurrentThreadId());
        if (place.hook) g_place = &place;
    }
    MessageBoxW(nullptr, wide(text).c_str(), wide(title).c_str(), MB_OK | MB_ICONERROR | MB_TOPMOST);
    if (g_place) {
        UnhookWindowsHookEx(place.hook);
        g_place = nullptr;
    }
}

}  // namespace corvane
