#include "frame/win32/win32binders.h"

#include <algorithm>

#include "frame/win32/win32maskedit.h"

namespace corvane {

std::wstring Win32Binding::shown_caption() const { return wide(corvane::shown_caption(model->caption, gap_pad)); }

HWND ControlMaker::make(size_t binding, int radio, const ControlDef& d, const wchar_t* cls, DWORD style, DWORD ex,
                        const std::wstring& text, Rect at) {
    ids_.push_back({binding, radio});
    const int id = kFirstControlId + static_cast<int>(ids_.size()) - 1;
    HWND w = CreateWindowExW(ex, cls, text.c_str(), WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | style, at.x, at.y, at.w,
                             at.h, parent_, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(font_for(font_of(d))), FALSE);
    return w;
}

void subclass_edit(Win32Binding& b, WNDPROC proc) {
    SetWindowLongPtrW(b.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&b));
    b.edit_proc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(b.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

Win32Binding* edit_binding(HWND edit) { return reinterpret_cast<Win32Binding*>(GetWindowLongPtrW(edit, GWLP_USERDATA)); }

LRESULT pass_on(HWND edit, UINT msg, WPARAM wp, LPARAM lp) {
    Win32Binding* b = edit_binding(edit);
    if (b && b->edit_proc) return CallWindowProcW(b->edit_proc, edit, msg, wp, lp);
    return DefWindowProcW(edit, msg, wp, lp);
}

namespace {

// Every control starts a group of its own but a radio group's buttons, so
// that the arrow keys move only within a radio group.
DWORD tab_stop(const Win32Binding& b) { return b.tab_stop ? WS_TABSTOP : 0; }

void resize(HWND w, int width, int height) {
    SetWindowPos(w, nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

// Labels, name labels and panels.
class LabelBinder final : public Win32Binder {
public:
    void create(Win32Binding& b, size_t index, ControlMaker& maker) const override {
        const ControlDef& d = *b.model->def;
        const std::wstring caption = wide(b.model->caption);
        if (d.kind == Kind::Panel) {
            b.hwnd = maker.make(index, -1, d, L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN | SS_NOPREFIX | WS_GROUP,
                                0, caption, d.rect);
            return;
        }
        Rect r = d.rect;
        const Size s = text_extent(maker.measure(), font_of(d), b.model->caption);
        if (r.w == 0) r.w = s.w;
        if (r.h == 0) r.h = s.h;
        b.hwnd = maker.make(index, -1, d, L"STATIC", SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, caption, r);
    }
    void command(Win32Binding&, const Notice&, ControlEvents&) const override {}
    void sync(Win32Binding& b, const TextMeasure& measure) const override {
        const std::wstring text = b.shown_caption();
        if (window_text(b.hwnd) == text) return;
        SetWindowTextW(b.hwnd, text.c_str());
        const ControlDef& d = *b.model->def;
        if (d.rect.w == 0 && d.kind == Kind::Label) {
            const Size s = text_extent(measure, font_of(d), utf8(text));
            resize(b.hwnd, s.w, s.h);
        }
    }
};

// Edits and masked edits.
class EditBinder final : public Win32Binder {
public:
    void create(Win32Binding& b, size_t index, ControlMaker& maker) const override {
        const ControlDef& d = *b.model->def;
        b.hwnd = maker.make(index, -1, d, L"EDIT", ES_AUTOHSCROLL | WS_GROUP | tab_stop(b), WS_EX_CLIENTEDGE,
                            shown_text(*b.model), d.rect);
        if (d.kind == Kind::MaskEdit) {
            SendMessageW(b.hwnd, EM_SETLIMITTEXT, d.mask().size(), 0);
            subclass_edit(b, mask_edit_proc);
        }
    }
    void command(Win32Binding& b, const Notice& n, ControlEvents&) const override {
        if (n.code == EN_CHANGE && n.from == b.hwnd) b.model->text = utf8(window_text(b.hwnd));
    }
    void sync(Win32Binding& b, const TextMeasure&) const override { set_text(b.hwnd, shown_text(*b.model)); }

private:
    static std::wstring shown_text(const Control& m) {
        return m.kind() == Kind::MaskEdit ? masked(m.def->mask(), wide(m.text)) : wide(m.text);
    }
};

// Editable combo boxes and drop-down lists.
class ComboBinder final : public Win32Binder {
public:
    void create(Win32Binding& b, size_t index, ControlMaker& maker) const override {
        const ControlDef& d = *b.model->def;
        const DWORD style = d.kind == Kind::ComboList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL;
        // The window's height includes the list when it is open, with room
        // for kComboVisibleItems items of 14 pixels.
        Rect at = d.rect;
        at.h = (d.rect.h > 0 ? d.rect.h : 20) + kComboVisibleItems * 14 + 2;
        b.hwnd = maker.make(index, -1, d, L"COMBOBOX", style | WS_VSCROLL | WS_GROUP | tab_stop(b), 0, L"", at);
        // The closed box as high as designed: its selection field is the
        // height less the frame.
        if (d.rect.h > 0) SendMessageW(b.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), d.rect.h - 6);
    }
    void command(Win32Binding& b, const Notice& n, ControlEvents& events) const override {
        Control& m = *b.model;
        if (n.code == CBN_EDITCHANGE) {
            m.text = utf8(window_text(b.hwnd));
        } else if (n.code == CBN_SELCHANGE) {
            const int i = static_cast<int>(SendMessageW(b.hwnd, CB_GETCURSEL, 0, 0));
            m.selected = i;
            m.text = m.item(i);
            events.clicked(m.name());
        }
    }
    void sync(Win32Binding& b, const TextMeasure&) const override {
        const Control& m = *b.model;
        HWND w = b.hwnd;
        const int n = static_cast<int>(SendMessageW(w, CB_GETCOUNT, 0, 0));
        bool same = n == static_cast<int>(m.items.size());
        for (int i = 0; same && i < n; ++i) {
            int len = static_cast<int>(SendMessageW(w, CB_GETLBTEXTLEN, i, 0));
            std::wstring t(static_cast<size_t>(len) + 1, L'\0');
            SendMessageW(w, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(t.data()));
            t.resize(static_cast<size_t>(len));
            same = t == wide(m.item(i));
        }
        if (!same) {
            // The list is replaced whole; an editable box keeps its text.
            const std::wstring text = window_text(w);
            SendMessageW(w, CB_RESETCONTENT, 0, 0);
            for (const std::string& it : m.items)
                SendMessageW(w, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(wide(it).c_str()));
            if (m.kind() != Kind::ComboList) SetWindowTextW(w, text.c_str());
        }
        if (m.kind() == Kind::ComboList) {
            if (SendMessageW(w, CB_GETCURSEL, 0, 0) != m.selected) SendMessageW(w, CB_SETCURSEL, m.selected, 0);
        } else {
            set_text(w, wide(m.text));
        }
    }
};

class CheckBinder final : public Win32Binder {
public:
    void create(Win32Binding& b, size_t index, ControlMaker& maker) const override {
        const ControlDef& d = *b.model->def;
        Rect r = d.rect;
        if (r.w == 0 || r.h == 0) {
            const Size s = text_extent(maker.measure(), font_of(d), b.model->caption);
            if (r.w == 0) r.w = width_for(s.w);
            if (r.h == 0) r.h = std::max(17, s.h);
        }
        b.hwnd = maker.make(index, -1, d, L"BUTTON", BS_AUTOCHECKBOX | WS_GROUP | tab_stop(b), 0,
                            wide(b.model->caption), r);
    }
    void command(Win32Binding& b, const Notice& n, ControlEvents& events) const override {
        if (n.code != BN_CLICKED) return;
        b.model->checked = SendMessageW(b.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
        events.clicked(b.model->name());
    }
    void sync(Win32Binding& b, const TextMeasure&) const override {
        set_text(b.hwnd, b.shown_caption());
        const WPARAM state = b.model->checked ? BST_CHECKED : BST_UNCHECKED;
        if (static_cast<WPARAM>(SendMessageW(b.hwnd, BM_GETCHECK, 0, 0)) != state)
            SendMessageW(b.hwnd, BM_SETCHECK, state, 0);
    }
    // The caption starts after the box.
    int caption_left(const Win32Binding&) const override { return GetSystemMetrics(SM_CXMENUCHECK) + 4; }
    // A check box sized to a caption of this width.
    static int width_for(int caption_w) { return GetSystemMetrics(SM_CXMENUCHECK) + 6 + caption_w; }
};

class ButtonBinder final : public Win32Binder {
public:
    void create(Win32Binding& b, size_t index, ControlMaker& maker) const override {
        const ControlDef& d = *b.model->def;
        b.hwnd = maker.make(index, -1, d, L"BUTTON", BS_PUSHBUTTON | WS_GROUP | tab_stop(b), 0, wide(b.model->caption),
                            d.rect);
    }
    void command(Win32Binding& b, const Notice& n, ControlEvents& events) const override {
        if (n.code == BN_CLICKED) events.pressed(*b.model->def);
    }
    void sync(Win32Binding& b, const TextMeasure&) const override { set_text(b.hwnd, wide(b.model->caption)); }
};

}  // namespace

int check_box_width(int caption_w) { return CheckBinder::width_for(caption_w); }

const Win32Binder* win32_binder_for(Kind kind) {
    static const LabelBinder label;
    static const EditBinder edit;
    static const ComboBinder combo;
    static const CheckBinder check;
    static const ButtonBinder button;
    static const Win32Binder* const by_family[kBinderFamilies] = {
        nullptr, &label, &edit, &combo, &check, &win32_box_binder(), &win32_spin_binder(), &button};
    return by_family[static_cast<int>(binder_family(kind))];
}

}  // namespace corvane
