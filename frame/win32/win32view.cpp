#include "frame/win32/win32view.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>

namespace corvane {

namespace {

constexpr int kFirstId = 100;

// The window style every dialog has: always on top, a single fixed border,
// a title bar with the close box only.
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kExStyle = WS_EX_TOPMOST;

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

bool is_combo(Kind k) { return k == Kind::ComboEdit || k == Kind::ComboList; }

// A mask as the design writes it ("00:00"): 0 a required digit, anything
// else a literal; blanks stand where no digit was typed.
std::wstring mask_blank(const std::string& mask) {
    std::wstring s;
    for (char c : mask) s += c == '0' ? L' ' : static_cast<wchar_t>(static_cast<unsigned char>(c));
    return s;
}

// Lays the mask over a text: the text's digits where the mask has a digit
// place, in order, the literals where it has literals.
std::wstring masked(const std::string& mask, const std::wstring& text) {
    std::wstring out = mask_blank(mask);
    for (size_t i = 0; i < out.size() && i < text.size(); ++i)
        if (mask[i] == '0' && (iswdigit(text[i]) || text[i] == L' ')) out[i] = text[i];
    return out;
}

}  // namespace

FARPROC system_function(const wchar_t* dll, const char* name) {
    HMODULE m = GetModuleHandleW(dll);
    if (!m) m = LoadLibraryW(dll);
    return m ? GetProcAddress(m, name) : nullptr;
}

namespace {
// The up-down control of the spin edits lives in comctl32.
void register_up_down() {
    static bool done = false;
    if (done) return;
    done = true;
    using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    if (auto init = reinterpret_cast<Init>(reinterpret_cast<void*>(system_function(L"comctl32.dll", "InitCommonControlsEx")))) {
        INITCOMMONCONTROLSEX icc{sizeof icc, ICC_UPDOWN_CLASS};
        init(&icc);
    }
}
}  // namespace

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

// ---------------------------------------------------------------------------

Win32DialogWindow::Win32DialogWindow(Dialog& dialog) : dialog_(dialog) {
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
    measure_dc_ = CreateCompatibleDC(nullptr);
    build();
    dialog_.env().hide = [this] {
        if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
    };
    // The controls show the model from the first show on (show()).
}

Win32DialogWindow::~Win32DialogWindow() {
    dialog_.env().hide = [] {};
    if (measure_dc_) DeleteDC(measure_dc_);
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

int Win32DialogWindow::new_id(size_t binding, int radio) {
    ids_.push_back({binding, radio});
    return kFirstId + static_cast<int>(ids_.size()) - 1;
}

HFONT Win32DialogWindow::font_of(const ControlDef& d) const {
    return d.fixed_pitch || d.kind == Kind::Panel ? fixed_pitch_font() : dialog_font();
}

// Measured on a memory device context of the run: no round trip to the
// window system per text.
SIZE Win32DialogWindow::text_size(HFONT font, const std::wstring& text) const {
    HDC dc = measure_dc_;
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    if (text.find(L'\n') != std::wstring::npos) {
        // A caption of several lines: as wide as its widest line.
        TEXTMETRICW tm;
        GetTextMetricsW(dc, &tm);
        size = {0, 0};
        for (size_t start = 0, end = 0; end != std::wstring::npos; start = end + 1) {
            end = text.find(L'\n', start);
            const size_t n = (end == std::wstring::npos ? text.size() : end) - start;
            SIZE line{0, 0};
            GetTextExtentPoint32W(dc, text.c_str() + start, static_cast<int>(n), &line);
            size.cx = std::max(size.cx, line.cx);
            size.cy += tm.tmHeight;
        }
    }
    if (text.empty()) {
        TEXTMETRICW tm;
        GetTextMetricsW(dc, &tm);
        size.cy = tm.tmHeight;
    }
    SelectObject(dc, old);
    return size;
}

// Creation order is the order of the siblings: name labels, then labels on
// top, so that they lie over the captions they sit on; then the controls
// of the tab order, in that order (the dialog navigation follows it); then
// the other controls; group boxes and radio group frames at the bottom.
void Win32DialogWindow::build() {
    Form& form = dialog_.form();
    bindings_.reserve(form.controls().size());
    for (Control& c : form.controls()) {
        Binding b;
        b.model = &c;
        bindings_.push_back(b);
    }
    const auto& order = dialog_.design().tab_order;
    std::vector<size_t> sequence;
    auto add = [&](size_t i) {
        if (std::find(sequence.begin(), sequence.end(), i) == sequence.end()) sequence.push_back(i);
    };
    for (Kind top : {Kind::NameLabel, Kind::Label})
        for (size_t i = 0; i < bindings_.size(); ++i)
            if (bindings_[i].model->kind() == top) add(i);
    for (const std::string& name : order)
        for (size_t i = 0; i < bindings_.size(); ++i)
            if (bindings_[i].model->name() == name) {
                bindings_[i].tab_stop = true;
                add(i);
            }
    for (size_t i = 0; i < bindings_.size(); ++i) {
        Kind k = bindings_[i].model->kind();
        if (k != Kind::GroupBox && k != Kind::Panel && k != Kind::RadioGroup) add(i);
    }
    for (size_t i = 0; i < bindings_.size(); ++i) add(i);
    // A radio group's frame goes to the bottom; its buttons keep the place
    // of the group in the sequence.
    std::vector<size_t> frames;
    for (size_t i : sequence) {
        Binding& b = bindings_[i];
        create_control(b, static_cast<int>(i));
        if (b.model->kind() == Kind::RadioGroup) frames.push_back(i);
    }
    for (size_t i : frames) SetWindowPos(bindings_[i].hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (size_t i = 0; i < bindings_.size(); ++i) {
        Kind k = bindings_[i].model->kind();
        if ((k == Kind::GroupBox || k == Kind::Panel) && bindings_[i].hwnd)
            SetWindowPos(bindings_[i].hwnd, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    attach_name_labels();
}

void Win32DialogWindow::create_control(Binding& b, int index) {
    const ControlDef& d = *b.model->def;
    HINSTANCE inst = GetModuleHandleW(nullptr);
    const DWORD child = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    // Every control starts a group of its own but a radio group's buttons,
    // so that the arrow keys move only within a radio group.
    const DWORD stop = b.tab_stop ? WS_TABSTOP : 0;
    HFONT font = font_of(d);
    const std::wstring caption = wide(b.model->caption);
    Rect r = d.rect;
    auto make = [&](const wchar_t* cls, DWORD style, DWORD ex, const std::wstring& text, Rect at, int id) {
        HWND w = CreateWindowExW(ex, cls, text.c_str(), child | style, at.x, at.y, at.w, at.h, hwnd_,
                                 reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), inst, nullptr);
        SendMessageW(w, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        return w;
    };
    const size_t bi = static_cast<size_t>(index);
    switch (d.kind) {
        case Kind::Label:
        case Kind::NameLabel: {
            SIZE s = text_size(font, caption);
            if (r.w == 0) r.w = s.cx;
            if (r.h == 0) r.h = s.cy;
            b.hwnd = make(L"STATIC", SS_LEFT | SS_NOPREFIX | WS_GROUP, 0, caption, r, new_id(bi, -1));
            break;
        }
        case Kind::Panel:
            b.hwnd = make(L"STATIC", SS_CENTER | SS_CENTERIMAGE | SS_SUNKEN | SS_NOPREFIX | WS_GROUP, 0, caption, r,
                          new_id(bi, -1));
            break;
        case Kind::Edit:
        case Kind::MaskEdit: {
            std::wstring text = wide(b.model->text);
            if (d.kind == Kind::MaskEdit) text = masked(d.mask, text);
            b.hwnd = make(L"EDIT", ES_AUTOHSCROLL | WS_GROUP | stop, WS_EX_CLIENTEDGE, text, r, new_id(bi, -1));
            if (d.kind == Kind::MaskEdit) {
                SendMessageW(b.hwnd, EM_SETLIMITTEXT, d.mask.size(), 0);
                subclass(b, mask_edit_proc);
            }
            break;
        }
        case Kind::ComboEdit:
        case Kind::ComboList: {
            const DWORD style = d.kind == Kind::ComboList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL;
            // The window's height includes the list when it is open: twelve
            // items at most are seen at once.
            Rect at = r;
            at.h = (r.h > 0 ? r.h : 20) + 12 * 14 + 2;
            b.hwnd = make(L"COMBOBOX", style | WS_VSCROLL | WS_GROUP | stop, 0, L"", at, new_id(bi, -1));
            // The closed box as high as designed: its selection field is the
            // height less the frame.
            if (r.h > 0) SendMessageW(b.hwnd, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), r.h - 6);
            break;
        }
        case Kind::CheckBox: {
            if (r.w == 0 || r.h == 0) {
                SIZE s = text_size(font, caption);
                if (r.w == 0) r.w = GetSystemMetrics(SM_CXMENUCHECK) + 6 + s.cx;
                if (r.h == 0) r.h = std::max<int>(17, s.cy);
            }
            b.hwnd = make(L"BUTTON", BS_AUTOCHECKBOX | WS_GROUP | stop, 0, caption, r, new_id(bi, -1));
            break;
        }
        case Kind::RadioGroup: {
            b.hwnd = make(L"BUTTON", BS_GROUPBOX | WS_GROUP, 0, caption, r, new_id(bi, -1));
            const int n = static_cast<int>(d.items.size());
            const int cols = std::max(1, d.columns);
            const int rows = std::max(1, (n + cols - 1) / cols);
            const int top = text_size(font, L"X").cy;
            const int row_h = std::max(1, (r.h - top - 4) / rows);
            const int col_w = (r.w - 16) / cols;
            for (int i = 0; i < n; ++i) {
                int col = i / rows, row = i % rows;
                int h = std::min(row_h, 17);
                // As wide as its text in either letter case, no wider: a
                // control beside an item ("回数指定  →" and its count) is not
                // covered by the button.
                const SIZE s = text_size(font, wide(to_upper_ascii(b.model->item(i))));
                const int w = std::min(col_w - 2, static_cast<int>(GetSystemMetrics(SM_CXMENUCHECK) + 8 + s.cx));
                Rect at{r.x + 8 + col * col_w, r.y + top + row * row_h + (row_h - h) / 2, w, h};
                DWORD style = BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP : 0);
                b.radios.push_back(make(L"BUTTON", style, 0, wide(b.model->item(i)), at, new_id(bi, i)));
                fit_radio(b, b.radios.size() - 1);
            }
            break;
        }
        case Kind::GroupBox:
            b.hwnd = make(L"BUTTON", BS_GROUPBOX | WS_GROUP, 0, caption, r, new_id(bi, -1));
            break;
        case Kind::Spin: {
            const int arrows = 16;
            Rect at{r.x, r.y, std::max(1, r.w - arrows), r.h};
            b.hwnd = make(L"EDIT", ES_AUTOHSCROLL | WS_GROUP | stop, WS_EX_CLIENTEDGE, wide(b.model->text), at,
                          new_id(bi, -1));
            subclass(b, spin_edit_proc);
            // Not attached to the edit: the model, not the control, decides
            // the value, so the arrows come back here as steps.
            register_up_down();
            b.updown = make(UPDOWN_CLASSW, 0, 0, L"", {r.x + r.w - arrows, r.y, arrows, r.h}, new_id(bi, 0));
            SendMessageW(b.updown, UDM_SETRANGE32, static_cast<WPARAM>(INT_MIN / 2), INT_MAX / 2);
            break;
        }
        case Kind::Button:
            b.hwnd = make(L"BUTTON", BS_PUSHBUTTON | WS_GROUP | stop, 0, caption, r, new_id(bi, -1));
            break;
        case Kind::HiddenList:
        case Kind::HiddenLabel:
            break;
    }
}

// A radio button is as wide as its mark and text, within its column: a
// button drawn over the whole column would hide a control that the design
// puts beside a short item (an edit after "回数指定 →").
void Win32DialogWindow::fit_radio(Binding& b, size_t i) {
    const ControlDef& d = *b.model->def;
    const int col_w = (d.rect.w - 16) / std::max(1, d.columns);
    const SIZE s = text_size(font_of(d), window_text(b.radios[i]));
    const int w = std::min<int>(col_w - 2, GetSystemMetrics(SM_CXMENUCHECK) + 8 + s.cx);
    RECT r;
    GetWindowRect(b.radios[i], &r);
    SetWindowPos(b.radios[i], nullptr, 0, 0, w, r.bottom - r.top, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

std::wstring Win32DialogWindow::shown_caption(const Binding& b) const {
    const std::string& caption = b.model->caption;
    if (b.gap_pad > 0)
        if (auto gap = caption_gap(caption))
            return wide(caption.substr(0, gap->close)) + std::wstring(static_cast<size_t>(b.gap_pad), L' ') +
                   wide(caption.substr(gap->close));
    return wide(caption);
}

// Where a control draws the first character of its caption, relative to
// the dialog: a group box 8 pixels in, a check box after its box.
int Win32DialogWindow::caption_left(const Binding& b) const {
    const ControlDef& d = *b.model->def;
    switch (d.kind) {
        case Kind::RadioGroup:
        case Kind::GroupBox:
            return d.rect.x + 8;
        case Kind::CheckBox:
            return d.rect.x + GetSystemMetrics(SM_CXMENUCHECK) + 4;
        default:
            return d.rect.x;
    }
}

// Puts every attribute-name label on the blank gap of the caption that
// holds it, measured with the font in use.  The gap is widened with blanks
// when the font makes it narrower than the label, so the label never covers
// the caption's text.
void Win32DialogWindow::attach_name_labels() {
    for (Binding& label : bindings_) {
        if (label.model->kind() != Kind::NameLabel || !label.hwnd) continue;
        Binding* owner = binding(label.model->def->owner);
        if (!owner || !owner->hwnd) continue;
        const std::string& caption = owner->model->caption;
        const std::optional<CaptionGap> gap = caption_gap(caption);
        if (!gap) continue;
        HFONT font = font_of(*owner->model->def);
        const SIZE need = text_size(font_of(*label.model->def), wide(label.model->caption));
        const int blank = std::max<int>(1, text_size(font, L" ").cx);
        // A caption of several lines holds the gap on one of them.
        const size_t newline = caption.rfind('\n', gap->first);
        const size_t line_start = newline == std::string::npos ? 0 : newline + 1;
        const int line = static_cast<int>(std::count(caption.begin(), caption.begin() + line_start, '\n'));
        const int before = text_size(font, wide(caption.substr(line_start, gap->first - line_start))).cx;
        int gap_w = text_size(font, wide(caption.substr(line_start, gap->close - line_start))).cx - before;
        if (gap_w < need.cx) owner->gap_pad = (need.cx - gap_w + blank - 1) / blank;
        gap_w += owner->gap_pad * blank;
        const int font_h = text_size(font, L"X").cy;
        RECT orc;
        GetWindowRect(owner->hwnd, &orc);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&orc), 2);
        const int y = orc.top + line * font_h +
                      (owner->model->kind() == Kind::CheckBox ? (orc.bottom - orc.top - font_h) / 2 : 0);
        const int x = caption_left(*owner) + before + (gap_w - need.cx) / 2;
        SetWindowPos(label.hwnd, nullptr, x, y + (font_h - need.cy) / 2, need.cx, need.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        if (owner->model->kind() == Kind::CheckBox && owner->model->def->rect.w == 0) {
            // A check box sized to its caption grows with the gap.
            const SIZE s = text_size(font, shown_caption(*owner));
            SetWindowPos(owner->hwnd, nullptr, 0, 0, GetSystemMetrics(SM_CXMENUCHECK) + 6 + s.cx, orc.bottom - orc.top,
                         SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        }
    }
}

void Win32DialogWindow::sync_from_model(bool move_focus) {
    syncing_ = true;
    set_text(hwnd_, wide(dialog_.form().caption));
    for (Binding& b : bindings_) sync(b);
    syncing_ = false;
    if (move_focus) focus_to_model();
}

void Win32DialogWindow::focus_to_model() {
    Binding* b = binding(dialog_.form().focus);
    if (!b || !b->hwnd || !IsWindowVisible(hwnd_)) return;
    HWND w = b->hwnd;
    if (!b->radios.empty()) {
        int i = std::max(0, b->model->selected);
        if (i < static_cast<int>(b->radios.size())) w = b->radios[static_cast<size_t>(i)];
    }
    if (GetFocus() != w && !(is_combo(b->model->kind()) && IsChild(w, GetFocus()))) SetFocus(w);
    last_focus_ = GetFocus();
}

void Win32DialogWindow::sync(Binding& b) {
    const Control& m = *b.model;
    HWND w = b.hwnd;
    if (!w) return;
    const bool enabled = m.enabled;
    if ((IsWindowEnabled(w) != FALSE) != enabled) {
        EnableWindow(w, enabled);
        for (HWND r : b.radios) EnableWindow(r, enabled);
        if (b.updown) EnableWindow(b.updown, enabled);
    }
    switch (m.kind()) {
        case Kind::Label:
        case Kind::NameLabel:
        case Kind::Panel: {
            const std::wstring text = shown_caption(b);
            if (window_text(w) != text) {
                SetWindowTextW(w, text.c_str());
                if (m.def->rect.w == 0 && m.kind() == Kind::Label) {
                    SIZE s = text_size(font_of(*m.def), text);
                    SetWindowPos(w, nullptr, 0, 0, s.cx, s.cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
                }
            }
            break;
        }
        case Kind::Edit:
            set_text(w, wide(m.text));
            break;
        case Kind::MaskEdit:
            set_text(w, masked(m.def->mask, wide(m.text)));
            break;
        case Kind::ComboEdit:
        case Kind::ComboList: {
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
            break;
        }
        case Kind::CheckBox: {
            set_text(w, shown_caption(b));
            const WPARAM state = m.checked ? BST_CHECKED : BST_UNCHECKED;
            if (static_cast<WPARAM>(SendMessageW(w, BM_GETCHECK, 0, 0)) != state) SendMessageW(w, BM_SETCHECK, state, 0);
            break;
        }
        case Kind::RadioGroup:
        case Kind::GroupBox: {
            set_text(w, shown_caption(b));
            // Tab reaches the group at its selected button (the first when
            // none is selected), from where the arrow keys move the choice.
            const int stop = m.selected >= 0 && m.selected < static_cast<int>(b.radios.size()) ? m.selected : 0;
            for (size_t i = 0; i < b.radios.size(); ++i) {
                HWND r = b.radios[i];
                const std::wstring item = wide(m.item(static_cast<int>(i)));
                if (window_text(r) != item) {
                    SetWindowTextW(r, item.c_str());
                    fit_radio(b, i);
                }
                LONG_PTR style = GetWindowLongPtrW(r, GWL_STYLE);
                LONG_PTR want = b.tab_stop && static_cast<int>(i) == stop ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
                if (want != style) SetWindowLongPtrW(r, GWL_STYLE, want);
                const WPARAM state = static_cast<int>(i) == m.selected ? BST_CHECKED : BST_UNCHECKED;
                if (static_cast<WPARAM>(SendMessageW(r, BM_GETCHECK, 0, 0)) != state) SendMessageW(r, BM_SETCHECK, state, 0);
            }
            break;
        }
        case Kind::Spin:
            set_text(w, wide(m.text));
            break;
        case Kind::Button:
            set_text(w, wide(m.caption));
            break;
        case Kind::HiddenList:
        case Kind::HiddenLabel:
            break;
    }
}

void Win32DialogWindow::show(const CaseSettings& cs) {
    if (!shown_) {
        shown_ = true;
        dialog_.FormShow(cs);
    }
    sync_from_model(false);
    ShowWindow(hwnd_, SW_SHOWNORMAL);
    SetForegroundWindow(hwnd_);
    focus_to_model();
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
            on_cancel();
            return 0;
        case WM_DESTROY:
            destroyed_ = true;
            hwnd_ = nullptr;
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

void Win32DialogWindow::on_command(int id, int code, HWND from) {
    const int at = id - kFirstId;
    if (at < 0 || at >= static_cast<int>(ids_.size()) || syncing_) return;
    const IdRef ref = ids_[static_cast<size_t>(at)];
    Binding& b = bindings_[ref.binding];
    Control& m = *b.model;
    const std::string name = m.name();
    switch (m.kind()) {
        case Kind::Edit:
        case Kind::MaskEdit:
        case Kind::Spin:
            if (code == EN_CHANGE && from == b.hwnd) m.text = utf8(window_text(b.hwnd));
            break;
        case Kind::ComboEdit:
        case Kind::ComboList:
            if (code == CBN_EDITCHANGE) {
                m.text = utf8(window_text(b.hwnd));
            } else if (code == CBN_SELCHANGE) {
                const int i = static_cast<int>(SendMessageW(b.hwnd, CB_GETCURSEL, 0, 0));
                m.selected = i;
                m.text = m.item(i);
                on_click(name);
            }
            break;
        case Kind::CheckBox:
            if (code == BN_CLICKED) {
                m.checked = SendMessageW(b.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
                on_click(name);
            }
            break;
        case Kind::RadioGroup:
            if (code == BN_CLICKED && ref.radio >= 0 && m.selected != ref.radio) {
                m.selected = ref.radio;
                on_click(name);
            }
            break;
        case Kind::Button:
            if (code == BN_CLICKED) {
                if (name == "ButtonOK") on_ok();
                else if (name == "ButtonCancel") on_cancel();
                else on_click(name);
            }
            break;
        default:
            break;
    }
}

// The focus moves only when the click itself moved it (Dialog::click).
void Win32DialogWindow::on_click(const std::string& name) {
    const bool focus_moved = dialog_.click(name);
    if (dialog_.closed()) {
        destroy();
        return;
    }
    sync_from_model(focus_moved);
}

void Win32DialogWindow::on_ok() {
    track_focus();  // a spin edit being left settles first
    if (dialog_.ButtonOKClick()) {
        destroy();
    } else if (hwnd_) {
        if (!IsWindowVisible(hwnd_)) ShowWindow(hwnd_, SW_SHOW);
        sync_from_model();
    }
}

void Win32DialogWindow::on_cancel() {
    dialog_.ButtonCancelClick();
    destroy();
}

void Win32DialogWindow::destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

void Win32DialogWindow::spin_step(Binding& b, int steps) {
    Control& m = *b.model;
    const ControlDef& d = *m.def;
    long long v = static_cast<long long>(m.spin_value()) + static_cast<long long>(steps) * d.step;
    if (d.min != d.max) v = std::max<long long>(d.min, std::min<long long>(d.max, v));
    m.text = std::to_string(v);
    syncing_ = true;
    sync(b);
    syncing_ = false;
    SendMessageW(b.hwnd, EM_SETSEL, 0, -1);
}

// An edit with a procedure of the view's in front of its own; the view is
// found through the dialog window, the edit's parent.
void Win32DialogWindow::subclass(Binding& b, WNDPROC proc) {
    b.edit_proc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(b.hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(proc)));
}

LRESULT Win32DialogWindow::pass_on(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
    Binding* b = self ? self->binding_of(hwnd) : nullptr;
    if (b && b->edit_proc) return CallWindowProcW(b->edit_proc, hwnd, msg, wp, lp);
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// Up and down in a spin edit step its value, as its arrows do.
LRESULT CALLBACK Win32DialogWindow::spin_edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
    if (self && msg == WM_KEYDOWN && (wp == VK_UP || wp == VK_DOWN)) {
        if (Binding* b = self->binding_of(hwnd)) self->spin_step(*b, wp == VK_UP ? 1 : -1);
        return 0;
    }
    return pass_on(hwnd, msg, wp, lp);
}

// The masked edit keeps its literals and its length: a digit fills the
// place at the caret and moves past the literals after it; Backspace and
// Delete blank a place; nothing else is taken.
LRESULT CALLBACK Win32DialogWindow::mask_edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const bool editing = msg == WM_CHAR || (msg == WM_KEYDOWN && wp == VK_DELETE) || msg == WM_PASTE ||
                         msg == WM_CUT || msg == WM_CLEAR;
    auto* self = reinterpret_cast<Win32DialogWindow*>(GetWindowLongPtrW(GetParent(hwnd), GWLP_USERDATA));
    Binding* b = editing && self ? self->binding_of(hwnd) : nullptr;
    if (!b) return pass_on(hwnd, msg, wp, lp);
    const std::string& mask = b->model->def->mask;
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

// ---------------------------------------------------------------------------
// Keys and focus.

bool Win32DialogWindow::handle_key(int key) {
    switch (dialog_.FormShortCut(key)) {
        case KeyResult::NotTaken:
            return false;
        case KeyResult::PressFocused:
            if (Binding* b = binding(dialog_.form().focus); b && b->hwnd) SendMessageW(b->hwnd, BM_CLICK, 0, 0);
            return true;
        case KeyResult::Ok:
            on_ok();
            return true;
        case KeyResult::Cancel:
            on_cancel();
            return true;
    }
    return false;
}

bool Win32DialogWindow::pre_translate(MSG& msg) {
    if (!hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
    if (msg.message == WM_KEYDOWN && (msg.wParam == VK_RETURN || msg.wParam == VK_ESCAPE)) {
        // An open drop-down list takes its own Enter and Escape.
        HWND focus = GetFocus();
        Binding* b = binding_of(focus);
        const bool dropped = b && is_combo(b->model->kind()) && SendMessageW(b->hwnd, CB_GETDROPPEDSTATE, 0, 0);
        // Enter and Escape whatever Shift or Ctrl say; Alt belongs to the
        // mnemonics.
        if (!dropped && !(GetKeyState(VK_MENU) & 0x8000)) {
            track_focus();
            if (handle_key(msg.wParam == VK_RETURN ? 13 : 27)) return true;
        }
    }
    return hwnd_ && IsDialogMessageW(hwnd_, &msg);
}

void Win32DialogWindow::track_focus() {
    HWND now = GetFocus();
    if (!hwnd_ || now == last_focus_) return;
    last_focus_ = now;
    Binding* b = binding_of(now);
    if (!b) return;
    Binding* old = binding(dialog_.form().focus);
    dialog_.form().move_focus(b->model->name());
    if (old && old != b) {
        // Leaving a control may have settled what it holds (a spin edit).
        syncing_ = true;
        sync(*old);
        syncing_ = false;
    }
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
    for (Binding& b : bindings_)
        if (b.model->name() == name) return &b;
    return nullptr;
}

const Win32DialogWindow::Binding* Win32DialogWindow::binding(const std::string& name) const {
    for (const Binding& b : bindings_)
        if (b.model->name() == name) return &b;
    return nullptr;
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
    while (!window.closed() && GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!window.pre_translate(msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        window.track_focus();
    }
}

}  // namespace corvane
