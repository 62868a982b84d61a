// Puts attribute-name labels on the blank gaps of the captions they name.
#pragma once
#include <vector>

#include "frame/win32/win32binders.h"

namespace corvane {

// Each name label goes on the gap of its owner's caption, measured with the
// fonts in use.  A gap narrower than its label is widened with blanks
// (gap_pad of the owner), so the label never covers the caption's text.
void attach_name_labels(std::vector<Win32Binding>& bindings, HWND dialog, const TextMeasure& measure);

}  // namespace corvane
