// The masked edit of the Win32 view ("00:00"): 0 a digit place, anything
// else a literal.  It keeps its literals and its length.
#pragma once
#include "frame/win32/win32text.h"

namespace corvane {

// The mask laid over a text: the text's digits where the mask has a digit
// place, in order, the literals where it has literals, blanks where no
// digit was typed.
std::wstring masked(const std::string& mask, const std::wstring& text);

// The window procedure in front of a masked edit's own: a digit fills the
// place at the caret and moves past the literals after it; Backspace and
// Delete blank a place; nothing else is taken.
LRESULT CALLBACK mask_edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

}  // namespace corvane
