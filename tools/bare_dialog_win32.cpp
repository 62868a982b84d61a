// A bare Win32 window of the font dialog's size and style with two push
// buttons, OK and Cancel, in the dialog font: the yardstick for how fast
// corvane.exe gets a dialog on screen under Wine (scripts/bench windialog).
// Escape closes it.  With the argument "two-fonts" it also shows a label in
// the fixed-pitch font "ＭＳ ゴシック" and measures a text in each font before
// it shows, as every Corvane dialog that lays out its name labels does: a
// bare window maps before any font is loaded.
#include <windows.h>

#include <cstring>
#include <initializer_list>

namespace {

LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE || (msg == WM_COMMAND && lp)) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int main(int argc, char** argv) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"BareDialog";
    RegisterClassExW(&wc);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT r{0, 0, 304, 184};
    AdjustWindowRectEx(&r, style, FALSE, WS_EX_TOPMOST);
    HWND w = CreateWindowExW(WS_EX_TOPMOST, L"BareDialog", L"bare", style, 100, 100, r.right - r.left,
                             r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                             L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF");
    const wchar_t* captions[] = {L"OK(&O)", L"\xFF77\xFF6C\xFF9D\xFF7E\xFF99(&C)"};
    for (int i = 0; i < 2; ++i) {
        HWND b = CreateWindowExW(0, L"BUTTON", captions[i], WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON,
                                 136 + 80 * i, 144, 73, 25, w, reinterpret_cast<HMENU>(static_cast<INT_PTR>(1 + i)),
                                 wc.hInstance, nullptr);
        SendMessageW(b, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (argc > 1 && std::strcmp(argv[1], "two-fonts") == 0) {
        HFONT fixed = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                                  L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF");
        HWND l = CreateWindowExW(0, L"STATIC", L"SIZE", WS_CHILD | WS_VISIBLE, 16, 16, 40, 14, w, nullptr,
                                 wc.hInstance, nullptr);
        SendMessageW(l, WM_SETFONT, reinterpret_cast<WPARAM>(fixed), FALSE);
        HDC dc = CreateCompatibleDC(nullptr);
        SIZE size;
        for (HFONT f : {font, fixed}) {
            SelectObject(dc, f);
            GetTextExtentPoint32W(dc, L"\x5927\x304D\x3055 (SIZE)", 10, &size);
        }
        DeleteDC(dc);
    }
    ShowWindow(w, SW_SHOWNORMAL);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            DestroyWindow(w);
            continue;
        }
        if (IsDialogMessageW(w, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
