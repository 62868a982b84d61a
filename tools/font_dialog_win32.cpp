// The font dialog written by hand in plain Win32: the same child windows,
// captions, items, fonts and places as corvane.exe /FONT (a group box with
// eight radio buttons, the name labels in the fixed-pitch font, the labels,
// the list, the editable colour combo box with its 22 items, the colour
// button, the check box, OK and Cancel), without the form model, the design
// tables or the settings.  The yardstick of scripts/bench windialog.
// Escape closes it.
#include <windows.h>

#include <initializer_list>

namespace {

LRESULT CALLBACK proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_CLOSE || (msg == WM_COMMAND && lp && HIWORD(wp) == BN_CLICKED && LOWORD(wp) >= 20)) {
        DestroyWindow(hwnd);
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

HFONT make_font(DWORD pitch, const wchar_t* face) {
    return CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, pitch, face);
}

}  // namespace

int main() {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"TFormFONT";
    RegisterClassExW(&wc);
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    RECT r{0, 0, 304, 184};
    AdjustWindowRectEx(&r, style, FALSE, WS_EX_TOPMOST);
    HWND w = CreateWindowExW(WS_EX_TOPMOST, L"TFormFONT", L"Pelinor - HTML : \x30D5\x30A9\x30F3\x30C8 <FONT>", style,
                             100, 100, r.right - r.left, r.bottom - r.top, nullptr, nullptr, wc.hInstance, nullptr);
    HFONT font = make_font(VARIABLE_PITCH | FF_SWISS, L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF");
    HFONT fixed = make_font(FIXED_PITCH | FF_MODERN, L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF");
    int id = 100;
    auto make = [&](const wchar_t* cls, const wchar_t* text, DWORD st, DWORD ex, int x, int y, int cw, int ch,
                    HFONT f, int own_id = 0) {
        HWND c = CreateWindowExW(ex, cls, text, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | st, x, y, cw, ch, w,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(own_id ? own_id : id++)), wc.hInstance,
                                 nullptr);
        SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
        return c;
    };
    // Text measured before it shows, as a dialog that fits its labels does.
    HDC dc = CreateCompatibleDC(nullptr);
    SIZE s;
    for (HFONT f : {font, fixed}) {
        SelectObject(dc, f);
        GetTextExtentPoint32W(dc, L"\x5927\x304D\x3055\xFF08     \xFF09", 8, &s);
    }
    DeleteDC(dc);
    make(L"STATIC", L"SIZE", SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, 66, 16, 24, 12, fixed);
    make(L"STATIC", L"COLOR", SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, 152, 64, 30, 12, fixed);
    make(L"STATIC", L"\x76F8\x5BFE\x30B5\x30A4\x30BA", SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, 136, 16, 60, 12, font);
    make(L"STATIC", L"\x8272 (               )", SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, 136, 64, 90, 12, font);
    const wchar_t* sizes[] = {L"\x672A\x6307\x5B9A", L"\x5C0F (\"1\")", L"\x2227 (\"2\")", L"\x2227 (\"3\")",
                              L"\x2227 (\"4\")",     L"\x2227 (\"5\")", L"\x2227 (\"6\")", L"\x5927 (\"7\")"};
    HWND first = nullptr;
    for (int i = 0; i < 8; ++i) {
        HWND b = make(L"BUTTON", sizes[i], BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0), 0, 24,
                      28 + i * 17, 60, 17, font);
        if (i == 0) first = b;
    }
    SendMessageW(first, BM_SETCHECK, BST_CHECKED, 0);
    HWND relative = make(L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL | WS_GROUP | WS_TABSTOP, 0, 136, 32, 89,
                         20 + 12 * 14 + 2, font);
    for (const wchar_t* it : {L"", L"\x5927\x304D\x304F (\"+\")", L"\x5C0F\x3055\x304F (\"-\")"})
        SendMessageW(relative, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(it));
    SendMessageW(relative, CB_SETCURSEL, 0, 0);
    HWND color = make(L"COMBOBOX", L"", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | WS_GROUP | WS_TABSTOP, 0, 136,
                      80, 97, 20 + 12 * 14 + 2, font);
    for (const wchar_t* it : {L"BLACK", L"BLUE", L"LIME", L"AQUA", L"CYAN", L"RED", L"FUCHSIA", L"MAGENTA",
                              L"YELLOW", L"WHITE", L"GRAY", L"NAVY", L"GREEN", L"TEAL", L"MAROON", L"PURPLE",
                              L"OLIVE", L"SILVER", L"GOLD", L"BROWN", L"ORANGE", L"PINK"})
        SendMessageW(color, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(it));
    make(L"BUTTON", L"\x53C2\x7167", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, 0, 240, 80, 49, 20, font);
    make(L"BUTTON", L"\x7D42\x4E86\x30BF\x30B0\x7701\x7565", BS_AUTOCHECKBOX | WS_GROUP | WS_TABSTOP, 0, 168, 120,
         100, 17, font);
    make(L"BUTTON", L"OK(&O)", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, 0, 136, 144, 73, 25, font, 20);
    make(L"BUTTON", L"\xFF77\xFF6C\xFF9D\xFF7E\xFF99(&C)", BS_PUSHBUTTON | WS_GROUP | WS_TABSTOP, 0, 216, 144, 73,
         25, font, 21);
    HWND group = make(L"BUTTON", L"\x5927\x304D\x3055\xFF08     \xFF09", BS_GROUPBOX | WS_GROUP, 0, 16, 16, 105,
                      153, font);
    SetWindowPos(group, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(w, SW_SHOWNORMAL);
    SetForegroundWindow(w);
    SetFocus(first);
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
