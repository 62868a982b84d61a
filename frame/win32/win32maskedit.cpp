#include "frame/win32/win32maskedit.h"

#include "frame/win32/win32binders.h"

namespace corvane {

namespace {

// Blanks where the mask has a digit place, its literals elsewhere.
std::wstring mask_blank(const std::string& mask) {
    std::wstring s;
    for (char c : mask) s += c == '0' ? L' ' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    return s;
}

}  // namespace

std::wstring masked(const std::string& mask, const std::wstring& text) {
    std::wstring out = mask_blank(mask);
    for (size_t i = 0; i < out.size() && i < text.size(); ++i)
        if (mask[i] == '0' && (iswdigit(text[i]) || text[i] == L' ')) out[i] = text[i];
    return out;
}

LRESULT CALLBACK mask_edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const bool editing = msg == WM_CHAR || (msg == WM_KEYDOWN && wp == VK_DELETE) || msg == WM_PASTE ||
                         msg == WM_CUT || msg == WM_CLEAR;
    Win32Binding* b = editing ? edit_binding(hwnd) : nullptr;
    if (!b) return pass_on(hwnd, msg, wp, lp);
    const std::string& mask = b->model->def->mask();
    auto place = [&](size_t i) { return i < mask.size() && mask[i] == '0'; };
    auto put = [&](std::wstring text, size_t caret) {
        SetWindowTextW(hwnd, text.c_str());
        SendMessageW(hwnd, EM_SETSEL, caret, caret);
    };
    DWORD sel_start = 0, sel_end = 0;
    SendMessageW(hwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&sel_start), reinterpret_cast<LPARAM>(&sel_end));
    std::wstring text = masked(mask, window_text(hwnd));
    size_t at = sel_start;
    switch (msg) {
        case WM_CHAR: {
            const wchar_t c = static_cast<wchar_t>(wp);
            if (c == L'\b') {
                if (sel_end > sel_start) {
                    for (size_t i = sel_start; i < sel_end; ++i)
                        if (place(i)) text[i] = L' ';
                    put(text, sel_start);
                    return 0;
                }
                while (at > 0) {
                    --at;
                    if (place(at)) {
                        text[at] = L' ';
                        break;
                    }
                }
                put(text, at);
                return 0;
            }
            if (c >= L'0' && c <= L'9') {
                while (at < mask.size() && !place(at)) ++at;
                if (at >= mask.size()) return 0;
                text[at++] = c;
                while (at < mask.size() && !place(at)) ++at;
                put(text, at);
                return 0;
            }
            if (c < 0x20) return pass_on(hwnd, msg, wp, lp);
            return 0;
        }
        case WM_KEYDOWN:
            if (wp == VK_DELETE) {
                size_t end = sel_end > sel_start ? sel_end : sel_start + 1;
                for (size_t i = sel_start; i < end; ++i)
                    if (place(i)) text[i] = L' ';
                put(text, sel_start);
                return 0;
            }
            break;
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
            return 0;
        default:
            break;
    }
    return pass_on(hwnd, msg, wp, lp);
}

}  // namespace corvane
