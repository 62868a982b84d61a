#include "frame/win32/win32view.h"

#include <commctrl.h>

#include <algorithm>

namespace corvane {

namespace {

// The window style every dialog has: always on top, a single fixed border,
// a title bar with the close box only.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOPMOST;

bool is_combo(Kind k) { return k == Kind::ComboEdit || k == Kind::ComboList; }

}  // namespace

Win32DialogWindow::Win32DialogWindow(Dialog& dialog, ViewEvents* run) : controller_(dialog, *this, run) {
    face_brush_ = GetSysColorBrush(COLOR_BTNFACE);
    window_brush_ = GetSysColorBrush(COLOR_WINDOW);
    const DialogDesign& design = dialog.design();
    // The window class is the dialog class ("TFormFONT").
    const std::wstring cls = wide(design.class_name);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(GetModuleHandleW(nullptr), cls.c_str(), &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = window_proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);  // the button face
        wc.lpszClassName = cls.c_str();
        RegisterClassExW(&wc);
    }
    RECT r{0, 0, design.client_w, design.client_h};
    AdjustWindowRectEx(&r, kStyle, FALSE, kExStyle);
    hwnd_ = CreateWindowExW(kExStyle, cls.c_str(), wide(dialog.form().caption).c_str(), kStyle, dialog.form().left,
                            dialog.form().top, r.right - r.left, r.bottom - r.top, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(dialog_font()), FALSE);
    build();
    // The controls show the model from the first show on (show()).
}

Win32DialogWindow::~Win32DialogWindow() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

// Creation order is the order of the siblings: name labels, then labels on
// top, so that they lie over the captions they sit on; then the controls
// of the tab order, in that order (the dialog navigation follows it); then
// the other controls; group boxes and radio group frames at the bottom.
void Win32DialogWindow::build() {
    Form& form = dialog().form();
    bindings_.reserve(form.controls().size());
    for (Control& c : form.controls()) {
        Binding b;
        b.model = &c;
        b.binder = win32_binder_for(c.kind());
        bindings_.push_back(b);
    }
    for (Binding& b : bindings_) b.tab_stop = controller_.tab_stop(b.model->name());
    const auto& order = dialog().design().tab_order;
    std::vector<size_t> sequence;
    auto add = [&](size_t i) {
        if (std::find(sequence.begin(), sequence.end(), i) == sequence.end()) sequence.push_back(i);
    };
    for (Kind top : {Kind::NameLabel, Kind::Label})
        for (size_t i = 0; i < bindings_.size(); ++i)
            if (bindings_[i].model->kind() == top) add(i);
    for (const std::string& name : order)
        for (size_t i = 0; i < bindings_.size(); ++i)
            if (bindings_[i].model->name() == name) add(i);
    for (size_t i = 0; i < bindings_.size(); ++i) {
        Kind k = bindings_[i].model->kind();
        if (k != Kind::GroupBox && k != Kind::Panel && k != Kind::RadioGroup) add(i);
    }
    for (size_t i = 0; i < bindings_.size(); ++i) add(i);
    // A radio group's frame goes to the bottom; its buttons keep the place
    // of the group in the sequence.
    ControlMaker maker(hwnd_, measure_, ids_);
    std::vector<size_t> frames;
    for (size_t i : sequence) {
        Binding& b = bindings_[i];
        if (b.binder) b.binder->create(b, i, maker);
        if (b.model->kind() == Kind::RadioGroup) frames.push_back(i);
    }
    for (size_t i : frames) SetWindowPos(bindings_[i].hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (size_t i = 0; i < bindings_.size(); ++i) {
        Kind k = bindings_[i].model->kind();
        if ((k == Kind::GroupBox || k == Kind::Panel) && bindings_[i].hwnd)
            SetWindowPos(bindings_[i].hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    controller_.attach_name_labels(measure_);
}

void Win32DialogWindow::show_caption(const std::string& caption) { set_text(hwnd_, wide(caption)); }

void Win32DialogWindow::give_focus(size_t at, int radio) {
    const Binding& b = bindings_[at];
    if (!IsWindowVisible(hwnd_)) return;
    const HWND w = radio >= 0 && radio < static_cast<int>(b.radios.size()) ? b.radios[static_cast<size_t>(radio)] : b.hwnd;
    if (GetFocus() != w && !(is_combo(b.model->kind()) && IsChild(w, GetFocus()))) SetFocus(w);
    last_focus_ = GetFocus();
}

void Win32DialogWindow::render(size_t at) {
    Binding& b = bindings_[at];
    if (!b.hwnd || !b.binder) return;
    const bool enabled = b.model->enabled;
    if ((IsWindowEnabled(b.hwnd) != FALSE) != enabled) {
        EnableWindow(b.hwnd, enabled);
        for (HWND r : b.radios) EnableWindow(r, enabled);
        if (b.updown) EnableWindow(b.updown, enabled);
    }
    b.binder->sync(b, measure_);
}

void Win32DialogWindow::press(size_t at) {
    if (bindings_[at].hwnd) SendMessageW(bindings_[at].hwnd, BM_CLICK, 0, 0);
}

void Win32DialogWindow::show() {
    controller_.showing();
    sync_from_model(false);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    controller_.focus_to_model();
}

void Win32DialogWindow::show_window() {
    if (hwnd_) ShowWindow(hwnd_, SW_SHOW);
}

void Win32DialogWindow::hide_window() {
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

void Win32DialogWindow::close_window() {
    if (hwnd_) DestroyWindow(hwnd_);
}

// ---------------------------------------------------------------------------
// Name labels.

namespace {
RECT rect_in_dialog(HWND dialog, HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}
}  // namespace

int Win32DialogWindow::height_of(size_t at) const {
    const RECT r = rect_in_dialog(hwnd_, bindings_[at].hwnd);
    return r.bottom - r.top;
}

Size Win32DialogWindow::label_size(size_t at) const {
    const Control& label = *bindings_[at].model;
    return text_extent(measure_, font_of(*label.def), label.caption);
}

void Win32DialogWindow::place(size_t at, const Rect& r) {
    SetWindowPos(bindings_[at].hwnd, nullptr, r.x, r.y, r.w, r.h, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32DialogWindow::fit_to_caption(size_t at) {
    const Binding& b = bindings_[at];
    const ControlDef& d = *b.model->def;
    if (d.kind != Kind::CheckBox && d.kind != Kind::Label) return;
    const Size s = text_extent(measure_, font_of(d), utf8(b.shown_caption()));
    const int w = d.kind == Kind::CheckBox ? check_box_width(s.w) : s.w;
    const int h = d.kind == Kind::CheckBox ? height_of(at) : s.h;
    SetWindowPos(b.hwnd, nullptr, 0, 0, w, h, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

// ---------------------------------------------------------------------------
// Messages.

LRESULT CALLBACK Win32DialogWindow::window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        reinterpret_cast<Win32DialogWindow*>(cs->lpCreateParams)->hwnd_ = hwnd;
    }
    auto* self = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    if (msg == WM_NCDESTROY) SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    return self->handle(hwnd, msg, wp, lp);
}

LRESULT Win32DialogWindow::handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
            if (lp) on_command(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp));
            return 0;
        case WM_NOTIFY: {
            auto* nm = reinterpret_cast<NMHDR*>(lp);
            if (nm->code == UDN_DELTAPOS) {
                if (Binding* b = binding_of(nm->hwndFrom)) {
                    // Up is a step up: the control counts downwards.
                    spin_step(*b, -reinterpret_cast<NMUPDOWN*>(lp)->iDelta);
                    if (b->hwnd) SetFocus(b->hwnd);
                }
                return 1;  // the control keeps no position of its own
            }
            return 0;
        }
        case kSpinStepMessage:
            if (Binding* b = binding_of(reinterpret_cast<HWND>(lp))) spin_step(*b, static_cast<int>(wp));
            return 0;
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            // Labels, check boxes, radio buttons, group boxes and disabled
            // or read-only edits in the button face; a panel in the window
            // colour.
            HDC dc = reinterpret_cast<HDC>(wp);
            Binding* b = binding_of(reinterpret_cast<HWND>(lp));
            const bool panel = b && b->model->kind() == Kind::Panel;
            SetBkColor(dc, GetSysColor(panel ? COLOR_WINDOW : COLOR_BTNFACE));
            SetTextColor(dc, GetSysColor(IsWindowEnabled(reinterpret_cast<HWND>(lp)) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
            return reinterpret_cast<LRESULT>(panel ? window_brush_ : face_brush_);
        }
        case WM_CLOSE:
            // The close box: as Cancel, the host is not called.
            controller_.cancel();
            return 0;
        case WM_DESTROY:
            hwnd_ = nullptr;
            controller_.window_gone();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void Win32DialogWindow::on_command(int id, int code, HWND from) {
    const int at = id - kFirstControlId;
    if (at < 0 || at >= static_cast<int>(ids_.size()) || controller_.syncing()) return;
    const ControlMaker::IdRef ref = ids_[static_cast<size_t>(at)];
    Binding& b = bindings_[ref.binding];
    if (b.binder) b.binder->command(b, {code, ref.radio, from}, controller_);
}

void Win32DialogWindow::spin_step(Binding& b, int steps) {
    controller_.spin_stepped(b.model->name(), steps);
    SendMessageW(b.hwnd, EM_SETSEL, 0, -1);
}

// ---------------------------------------------------------------------------
// Keys and focus.

bool Win32DialogWindow::pre_translate(MSG& msg) {
    if (!hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
        // An open drop-down list takes its own Enter and Escape.
        HWND focus = GetFocus();
        Binding* b = binding_of(focus);
        const bool dropped = b && is_combo(b->model->kind()) && SendMessageW(b->hwnd, CB_GETDROPPEDSTATE, 0, 0);
        // Enter and Escape whatever Shift or Ctrl say; Alt belongs to the
        // mnemonics.
        const bool alt = GetKeyState(VK_MENU) & 0x8000;
        if (!dropped && controller_.key(msg.wParam == VK_RETURN ? DialogKey::Enter : DialogKey::Escape, alt)) return true;
    }
    return hwnd_ && IsDialogMessageW(hwnd_, &msg);
}

void Win32DialogWindow::track_focus() {
    HWND now = GetFocus();
    if (!hwnd_ || now == last_focus_) return;
    last_focus_ = now;
    if (Binding* b = binding_of(now)) controller_.focus_entered(static_cast<size_t>(b - bindings_.data()));
}

// ---------------------------------------------------------------------------
// Look-ups.

Win32DialogWindow::Binding* Win32DialogWindow::binding_of(HWND w) {
    // The edit inside a combo box belongs to the combo box.
    for (; w && w != hwnd_; w = GetParent(w)) {
        for (Binding& b : bindings_) {
            if (b.hwnd == w || b.updown == w) return &b;
            for (HWND r : b.radios)
                if (r == w) return &b;
        }
    }
    return nullptr;
}

Win32DialogWindow::Binding* Win32DialogWindow::binding(const std::string& name) {
    return binding_named(bindings_, name);
}

const Win32DialogWindow::Binding* Win32DialogWindow::binding(const std::string& name) const {
    return const_cast<Win32DialogWindow*>(this)->binding(name);
}

HWND Win32DialogWindow::control(const std::string& name) const {
    const Binding* b = binding(name);
    return b ? b->hwnd : nullptr;
}

std::vector<HWND> Win32DialogWindow::radios(const std::string& name) const {
    const Binding* b = binding(name);
    return b ? b->radios : std::vector<HWND>{};
}

HWND Win32DialogWindow::up_down(const std::string& name) const {
    const Binding* b = binding(name);
    return b ? b->updown : nullptr;
}

std::string Win32DialogWindow::name_of(HWND w) const {
    return const_cast<Win32DialogWindow*>(this)->binding_of(w) ? const_cast<Win32DialogWindow*>(this)->binding_of(w)->model->name()
                                                               : std::string();
}

int Win32DialogWindow::gap_pad(const std::string& name) const {
    const Binding* b = binding(name);
    return b ? b->gap_pad : 0;
}

void run_message_loop(Win32DialogWindow& window) {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!window.pre_translate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        window.track_focus();
    }
}

}  // namespace corvane
