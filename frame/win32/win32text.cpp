#include "frame/win32/win32text.h"

namespace corvane {

std::wstring wide(const std::string& s) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

std::string utf8(const std::wstring& w) {
    if (w.empty()) return {};
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

std::wstring window_text(HWND w) {
    int n = GetWindowTextLengthW(w);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    n = GetWindowTextW(w, s.data(), n + 1);
    s.resize(static_cast<size_t>(n > 0 ? n : 0));
    return s;
}

void set_text(HWND w, const std::wstring& text) {
    if (window_text(w) != text) SetWindowTextW(w, text.c_str());
}

FARPROC system_function(const wchar_t* dll, const char* name) {
    HMODULE m = GetModuleHandleW(dll);
    if (!m) m = LoadLibraryW(dll);
    return m ? GetProcAddress(m, name) : nullptr;
}

HFONT dialog_font() {
    static HFONT f = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS,
                                 L"\xFF2D\xFF33 \xFF30\x30B4\x30B7\x30C3\x30AF");  // ＭＳ Ｐゴシック
    return f;
}

HFONT fixed_pitch_font() {
    static HFONT f = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                                 CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH | FF_MODERN,
                                 L"\xFF2D\xFF33 \x30B4\x30B7\x30C3\x30AF");  // ＭＳ ゴシック
    return f;
}

HFONT font_for(FontRole font) { return font == FontRole::FixedPitch ? fixed_pitch_font() : dialog_font(); }

Win32Measure::Win32Measure() : dc_(CreateCompatibleDC(nullptr)) {}

Win32Measure::~Win32Measure() {
    if (dc_) DeleteDC(dc_);
}

int Win32Measure::width(FontRole font, std::string_view text) const {
    const std::wstring w = wide(std::string(text));
    HGDIOBJ old = SelectObject(dc_, font_for(font));
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc_, w.c_str(), static_cast<int>(w.size()), &size);
    SelectObject(dc_, old);
    return size.cx;
}

int Win32Measure::line_height(FontRole font) const {
    int& h = heights_[font == FontRole::FixedPitch ? 1 : 0];
    if (h < 0) {
        HGDIOBJ old = SelectObject(dc_, font_for(font));
        TEXTMETRICW tm;
        GetTextMetricsW(dc_, &tm);
        SelectObject(dc_, old);
        h = tm.tmHeight;
    }
    return h;
}

}  // namespace corvane
