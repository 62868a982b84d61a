// Text, fonts and system libraries for the Win32 view and its platform
// dialogs: UTF-16 for the W functions, the two dialog fonts and text
// measured in them.
#pragma once
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>

#include "frame/layout.h"

namespace corvane {

// UTF-8 <-> UTF-16 for the W functions.
std::wstring wide(const std::string& utf8);
std::string utf8(const std::wstring& w);

// A window's text, and setting it only when it differs.
std::wstring window_text(HWND w);
void set_text(HWND w, const std::wstring& text);

// A function of a system DLL that only some runs need, loaded at its first
// use: each DLL loaded at start-up costs a dialog's start under Wine.
FARPROC system_function(const wchar_t* dll, const char* name);

// "ＭＳ Ｐゴシック" and "ＭＳ ゴシック", 12 pixels, Shift_JIS character set;
// made once per run.
HFONT dialog_font();
HFONT fixed_pitch_font();
HFONT font_for(FontRole font);

// Text measured on a memory device context of its own: no round trip to
// the window system per text.
class Win32Measure final : public TextMeasure {
public:
    Win32Measure();
    ~Win32Measure() override;
    Win32Measure(const Win32Measure&) = delete;
    Win32Measure& operator=(const Win32Measure&) = delete;

    int width(FontRole font, std::string_view text) const override;
    int line_height(FontRole font) const override;

private:
    HDC dc_;
    mutable int heights_[2] = {-1, -1};  // by font
};

}  // namespace corvane
