// One binder per kind of control in the Win32 view: how its windows are
// made from the design, how a notification of theirs reaches the model, and
// how the model is shown.
#pragma once
#include "frame/win32/win32text.h"

#include <vector>

#include "frame/form.h"
#include "frame/viewevents.h"

namespace corvane {

class Win32Binder;

// A control's model and the windows showing it.
struct Win32Binding {
    Control* model = nullptr;
    const Win32Binder* binder = nullptr;  // nullptr for the invisible kinds
    HWND hwnd = nullptr;     // a radio group's frame, a spin edit's edit
    std::vector<HWND> radios;
    HWND updown = nullptr;   // a spin edit's arrows
    WNDPROC edit_proc = nullptr;  // the edit's own procedure, when subclassed
    int gap_pad = 0;         // blanks added to the caption's gap for its name label
    bool tab_stop = false;   // in the design's tab order

    // The caption as shown: the model's, with the gap widened by gap_pad.
    std::wstring shown_caption() const;
};

// Makes the child windows of a dialog: each gets the font of its control
// and a control id that leads back to its binding (and radio button).
class ControlMaker {
public:
    struct IdRef {
        size_t binding;
        int radio;  // -1: the control itself
    };
    ControlMaker(HWND parent, const TextMeasure& measure, std::vector<IdRef>& ids)
        : parent_(parent), measure_(measure), ids_(ids) {}

    HWND make(size_t binding, int radio, const ControlDef& d, const wchar_t* cls, DWORD style, DWORD ex,
              const std::wstring& text, Rect at);
    const TextMeasure& measure() const { return measure_; }

private:
    HWND parent_;
    const TextMeasure& measure_;
    std::vector<IdRef>& ids_;
};

// The first control id; the ids follow the creation order.
constexpr int kFirstControlId = 100;

// A notification of a control's window (WM_COMMAND).
struct Notice {
    int code = 0;
    int radio = -1;  // the radio button it came from, -1 for the control itself
    HWND from = nullptr;
};

class Win32Binder {
public:
    virtual ~Win32Binder() = default;
    // Makes the control's windows; `index` is the binding's place in the view.
    virtual void create(Win32Binding& b, size_t index, ControlMaker& maker) const = 0;
    // The user's change reaches the model (and the handlers, through events).
    virtual void command(Win32Binding& b, const Notice& n, ControlEvents& events) const = 0;
    virtual void sync(Win32Binding& b, const TextMeasure& measure) const = 0;
    // Where the caption text starts, relative to the control's left edge.
    virtual int caption_left(const Win32Binding&) const { return 0; }
};

// The binder of a kind of control; nullptr for the invisible ones.
const Win32Binder* win32_binder_for(Kind kind);

// The width of a check box sized to a caption `caption_w` wide.
int check_box_width(int caption_w);

// The binders of the group frames and the spin edit (win32groups.cpp).
const Win32Binder& win32_box_binder();
const Win32Binder& win32_spin_binder();

// Puts a procedure in front of an edit's own; the edit's binding is found
// from the edit window (its user data) by the procedure.
void subclass_edit(Win32Binding& b, WNDPROC proc);
Win32Binding* edit_binding(HWND edit);
LRESULT pass_on(HWND edit, UINT msg, WPARAM wp, LPARAM lp);

// A private message of the dialog window: a spin edit's Up or Down key,
// wParam the steps, lParam the edit.
constexpr UINT kSpinStepMessage = WM_APP + 1;

}  // namespace corvane
