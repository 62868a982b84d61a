// Radio groups, group boxes and spin edits: the kinds made of more than one
// window.
#include "frame/win32/win32binders.h"

#include <commctrl.h>

#include <algorithm>

#include "frame/viewcontroller.h"

namespace corvane {

namespace {

// A radio button as wide as its mark and text, within its cell: a button
// drawn over the whole cell would hide a control that the design puts
// beside a short item (an edit after "回数指定 →").
int fitted_width(const Rect& cell, const TextMeasure& measure, const ControlDef& d, const std::string& item) {
    return radio_width(cell, GetSystemMetrics(SM_CXMENUCHECK), measure.width(font_of(d), item));
}

std::vector<Rect> cells_of(const ControlDef& d, const TextMeasure& measure) {
    return radio_cells(d, measure.line_height(font_of(d)));
}

// Radio groups (a group box with a radio button per item) and group boxes.
class BoxBinder final : public Win32Binder {
public:
    void create(Win32Binding& b, size_t index, ControlMaker& maker) const override {
        const ControlDef& d = *b.model->def;
        b.hwnd = maker.make(index, -1, d, L"BUTTON", BS_GROUPBOX | WS_GROUP, 0, wide(b.model->caption), d.rect);
        if (d.kind != Kind::RadioGroup) return;
        const std::vector<Rect> cells = cells_of(d, maker.measure());
        for (size_t i = 0; i < cells.size(); ++i) {
            const Rect& cell = cells[i];
            const std::string& item = b.model->item(static_cast<int>(i));
            const Rect at{d.rect.x + cell.x, d.rect.y + cell.y, fitted_width(cell, maker.measure(), d, item), cell.h};
            const DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0);
            b.radios.push_back(maker.make(index, static_cast<int>(i), d, L"BUTTON", style, 0, wide(item), at));
        }
    }
    void command(Win32Binding& b, const Notice& n, ControlEvents& events) const override {
        Control& m = *b.model;
        if (n.code != BN_CLICKED || n.radio < 0 || m.selected == n.radio) return;
        m.selected = n.radio;
        events.clicked(m.name());
    }
    void sync(Win32Binding& b, const TextMeasure& measure) const override {
        const Control& m = *b.model;
        set_text(b.hwnd, b.shown_caption());
        // Tab reaches the group at its stop, from where the arrow keys move
        // the choice.
        const int n = static_cast<int>(b.radios.size());
        const int stop = radio_stop(m, n);
        for (int i = 0; i < n; ++i) {
            HWND r = b.radios[static_cast<size_t>(i)];
            const std::wstring item = wide(m.item(i));
            if (window_text(r) != item) {
                SetWindowTextW(r, item.c_str());
                const Rect cell = cells_of(*m.def, measure)[static_cast<size_t>(i)];
                SetWindowPos(r, nullptr, 0, 0, fitted_width(cell, measure, *m.def, m.item(i)), cell.h,
                             SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
            }
            LONG_PTR style = GetWindowLongPtrW(r, GWL_STYLE);
            LONG_PTR want = b.tab_stop && i == stop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
            if (want != style) SetWindowLongPtrW(r, GWL_STYLE, want);
            const WPARAM state = i == m.selected ? BST_CHECKED : BST_UNCHECKED;
            if (static_cast<WPARAM>(SendMessageW(r, BM_GETCHECK, 0, 0)) != state) SendMessageW(r, BM_SETCHECK, state, 0);
        }
    }
    int caption_left(const Win32Binding&) const override { return kCaptionInset; }
};

// The up-down control of the spin edits lives in comctl32.
void register_up_down() {
    static bool done = false;
    if (done) return;
    done = true;
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (auto init = reinterpret_cast<Init>(
            reinterpret_cast<void*>(system_function(L"comctl32.dll", "InitCommonControlsEx")))) {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS};
        init(&icc);
    }
}

// Up and down in a spin edit step its value, as its arrows do: the dialog
// window steps it.
LRESULT CALLBACK spin_edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_KEYDOWN && (wp == VK_UP || wp == VK_DOWN)) {
        SendMessageW(GetParent(hwnd), kSpinStepMessage, static_cast<WPARAM>(wp == VK_UP ? 1 : -1),
                     reinterpret_cast<LPARAM>(hwnd));
        return 0;
    }
    return pass_on(hwnd, msg, wp, lp);
}

// A spin edit: an edit with an up-down control beside it.
class SpinBinder final : public Win32Binder {
public:
    void create(Win32Binding& b, size_t index, ControlMaker& maker) const override {
        const ControlDef& d = *b.model->def;
        const Rect r = d.rect;
        const int arrows = 16;
        b.hwnd = maker.make(index, -1, d, L"EDIT", ES_AUTOHSCROLL | WS_GROUP | (b.tab_stop ? WS_TABSTOP : 0),
                            WS_EX_CLIENTEDGE, wide(b.model->text), {r.x, r.y, std::max(1, r.w - arrows), r.h});
        subclass_edit(b, spin_edit_proc);
        // Not attached to the edit: the model, not the control, decides
        // the value, so the arrows come back to the window as steps.
        register_up_down();
        b.updown = maker.make(index, 0, d, UPDOWN_CLASSW, 0, 0, L"", {r.x + r.w - arrows, r.y, arrows, r.h});
        SendMessageW(b.updown, UDM_SETRANGE32, static_cast<WPARAM>(kSpinFieldMin), kSpinFieldMax);
    }
    void command(Win32Binding& b, const Notice& n, ControlEvents&) const override {
        if (n.code == EN_CHANGE && n.from == b.hwnd) b.model->text = utf8(window_text(b.hwnd));
    }
    void sync(Win32Binding& b, const TextMeasure&) const override { set_text(b.hwnd, wide(b.model->text)); }
};

}  // namespace

const Win32Binder& win32_box_binder() {
    static const BoxBinder box;
    return box;
}

const Win32Binder& win32_spin_binder() {
    static const SpinBinder spin;
    return spin;
}

}  // namespace corvane
