// The Win32 view under Wine: every dialog of the switch table and the
// settings dialog, shown in the default and in the flipped case settings,
// against its design table; then the behaviour of each control kind, the
// key hook and the message boxes on a design made for the purpose.
#include <windows.h>

#include <algorithm>
#include <deque>
#include <optional>

#include "app/switches.h"
#include "common/casevocab.h"
#include "frame/win32/win32platform.h"
#include "frame/win32/win32view.h"
#include "host/hostlink.h"
#include "setup/setup.h"
#include "doubles.h"
#include "view_cases.h"
#include "wintest.h"

using namespace corvane;

namespace {

using test::CountedEvents;
using test::FakePlatform;
using test::RecordingHost;

// The editor link of these tests: the window at (120, 90).
struct FakeHost : test::RecordingHost {
    FakeHost() {
        pos_left = 120;
        pos_top = 90;
    }
};

// Delivers what is queued, through the view's filter as the loop does.
void pump(Win32DialogWindow& w, int rounds = 3) {
    MSG msg;
    for (int i = 0; i < rounds; ++i) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!w.pre_translate(msg)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            w.track_focus();
        }
        w.track_focus();
        Sleep(5);
    }
}

std::wstring text_of(HWND h) {
    wchar_t buf[1024];
    int n = GetWindowTextW(h, buf, 1024);
    return std::wstring(buf, static_cast<size_t>(n > 0 ? n : 0));
}

std::string class_of(HWND h) {
    wchar_t buf[64];
    int n = GetClassNameW(h, buf, 64);
    std::string s = utf8(std::wstring(buf, static_cast<size_t>(n)));
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

RECT rect_in(HWND parent, HWND h) {
    RECT r;
    GetWindowRect(h, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::vector<std::string> combo_items(HWND h) {
    std::vector<std::string> items;
    const int n = static_cast<int>(SendMessageW(h, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        wchar_t buf[512];
        SendMessageW(h, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buf));
        items.push_back(utf8(buf));
    }
    return items;
}

std::string join(const std::vector<std::string>& v) {
    std::string s;
    for (const std::string& x : v) s += (s.empty() ? "" : "|") + x;
    return s;
}

// What the show step makes of a designed caption or item list.
std::string adapted(const ControlDef& d, const std::string& text, const CaseSettings& cs) {
    switch (d.case_rule) {
        case CaseRule::LowerWithAttribute: return cs.attribute ? to_lower_ascii(text) : text;
        case CaseRule::LowerWithElement: return cs.element ? to_lower_ascii(text) : text;
        case CaseRule::UpperWithValue: return cs.value ? text : to_upper_ascii(text);
        case CaseRule::None: break;
    }
    return text;
}

std::vector<std::string> adapted_items(const ControlDef& d, const CaseSettings& cs) {
    std::vector<std::string> items = d.items();
    const int n = static_cast<int>(items.size());
    const int last = d.case_last < 0 ? n - 1 : std::min(d.case_last, n - 1);
    for (int i = d.case_first; i <= last; ++i) items[static_cast<size_t>(i)] = adapted(d, items[static_cast<size_t>(i)], cs);
    return items;
}

std::string with_pad(const std::string& caption, int pad) {
    if (pad <= 0) return caption;
    auto gap = caption_gap(caption);
    if (!gap) return caption;
    return caption.substr(0, gap->close) + std::string(static_cast<size_t>(pad), ' ') + caption.substr(gap->close);
}

std::string face_of(HWND h) {
    HFONT f = reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0));
    LOGFONTW lf{};
    if (!f || !GetObjectW(f, sizeof lf, &lf)) return "(none)";
    return utf8(lf.lfFaceName) + "/" + std::to_string(lf.lfHeight) + "/" + std::to_string(lf.lfCharSet);
}

const char* const kPGothic = "\xEF\xBC\xAD\xEF\xBC\xB3 \xEF\xBC\xB0\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF/-12/128";
const char* const kGothic = "\xEF\xBC\xAD\xEF\xBC\xB3 \xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF/-12/128";

#define WHERE(what) (design.class_name + " " + (what) + " cs=" + std::to_string(cs.element) + std::to_string(cs.attribute) + std::to_string(cs.value))

void check_against_design(const DialogDesign& design, const CaseSettings& cs) {
    FakeHost host;
    FakePlatform platform;
    Dialog dialog(design, host, platform);
    dialog.create();
    dialog.set_case_settings(cs);
    Win32DialogWindow w(dialog);
    w.show();
    pump(w);
    HWND top = w.hwnd();

    // The window.
    CHECK_EQ(WHERE(utf8(text_of(top))), WHERE(design.show_step ? dialog_caption(design, cs) : design.caption));
    RECT client;
    GetClientRect(top, &client);
    CHECK_EQ(WHERE(std::to_string(client.right) + "x" + std::to_string(client.bottom)),
             WHERE(std::to_string(design.client_w) + "x" + std::to_string(design.client_h)));
    RECT outer;
    GetWindowRect(top, &outer);
    CHECK(outer.left == 120 && outer.top == 90);
    const LONG_PTR style = GetWindowLongPtrW(top, GWL_STYLE), ex = GetWindowLongPtrW(top, GWL_EXSTYLE);
    CHECK((style & WS_CAPTION) == WS_CAPTION && (style & WS_SYSMENU));
    CHECK(!(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)));
    CHECK(ex & WS_EX_TOPMOST);

    for (const Control& c : dialog.form().controls()) {
        const ControlDef& d = *c.def;
        if (d.kind == Kind::HiddenList || d.kind == Kind::HiddenLabel) {
            CHECK(!w.control(d.name));
            continue;
        }
        HWND h = w.control(d.name);
        if (!h) {
            wintest::fail(__FILE__, __LINE__, WHERE(d.name + " has no window"));
            continue;
        }
        const std::string cls = class_of(h);
        const char* want_cls = "";
        switch (d.kind) {
            case Kind::Label: case Kind::NameLabel: case Kind::Panel: want_cls = "static"; break;
            case Kind::Edit: case Kind::MaskEdit: case Kind::Spin: want_cls = "edit"; break;
            case Kind::ComboEdit: case Kind::ComboList: want_cls = "combobox"; break;
            default: want_cls = "button"; break;
        }
        if (cls != want_cls) wintest::fail(__FILE__, __LINE__, WHERE(d.name + " is a " + cls));
        const LONG_PTR cs_style = GetWindowLongPtrW(h, GWL_STYLE);
        const int bs = static_cast<int>(cs_style & 0x0F);
        if (d.kind == Kind::CheckBox && bs != BS_AUTOCHECKBOX) wintest::fail(__FILE__, __LINE__, WHERE(d.name + " no check box"));
        if ((d.kind == Kind::RadioGroup || d.kind == Kind::GroupBox) && bs != BS_GROUPBOX)
            wintest::fail(__FILE__, __LINE__, WHERE(d.name + " no group box"));
        if (d.kind == Kind::Button && bs != BS_PUSHBUTTON) wintest::fail(__FILE__, __LINE__, WHERE(d.name + " no push button"));
        if (d.kind == Kind::ComboList && (cs_style & 3) != CBS_DROPDOWNLIST) wintest::fail(__FILE__, __LINE__, WHERE(d.name + " not a list"));
        if (d.kind == Kind::ComboEdit && (cs_style & 3) != CBS_DROPDOWN) wintest::fail(__FILE__, __LINE__, WHERE(d.name + " not editable"));

        // Caption or items, in the case the settings ask for.
        const std::string shown = utf8(text_of(h));
        std::string want;
        bool compare_caption = true;
        switch (d.kind) {
            case Kind::Label: case Kind::NameLabel: case Kind::CheckBox: case Kind::RadioGroup:
            case Kind::GroupBox: case Kind::Button:
                want = with_pad(adapted(d, d.caption, cs), w.gap_pad(d.name));
                break;
            case Kind::Panel: want = c.caption; break;  // the settings dialog's sample, written at creation
            case Kind::Edit: case Kind::Spin: want = c.text; break;
            default: compare_caption = false; break;
        }
        if (compare_caption && shown != want) wintest::fail(__FILE__, __LINE__, WHERE(d.name + " shows \"" + shown + "\", wants \"" + want + "\""));
        if (d.kind == Kind::ComboEdit || d.kind == Kind::ComboList) {
            const std::string got = join(combo_items(h)), expect = join(adapted_items(d, cs));
            if (got != expect) wintest::fail(__FILE__, __LINE__, WHERE(d.name + " items " + got + " want " + expect));
            if (d.kind == Kind::ComboList && SendMessageW(h, CB_GETCURSEL, 0, 0) != d.list().selected)
                wintest::fail(__FILE__, __LINE__, WHERE(d.name + " selection"));
        }
        if (d.kind == Kind::RadioGroup) {
            const std::vector<HWND> radios = w.radios(d.name);
            const std::vector<std::string> items = adapted_items(d, cs);
            if (radios.size() != items.size()) wintest::fail(__FILE__, __LINE__, WHERE(d.name + " radio count"));
            RECT box = rect_in(top, h);
            for (size_t i = 0; i < radios.size() && i < items.size(); ++i) {
                if (utf8(text_of(radios[i])) != items[i]) wintest::fail(__FILE__, __LINE__, WHERE(d.name + " item " + items[i]));
                const bool on = SendMessageW(radios[i], BM_GETCHECK, 0, 0) == BST_CHECKED;
                if (on != (static_cast<int>(i) == (design.on_create ? c.selected : d.list().selected))) wintest::fail(__FILE__, __LINE__, WHERE(d.name + " check " + std::to_string(i)));
                RECT r = rect_in(top, radios[i]);
                if (r.left < box.left || r.right > box.right || r.top < box.top || r.bottom > box.bottom)
                    wintest::fail(__FILE__, __LINE__, WHERE(d.name + " radio outside its box"));
                if ((GetWindowLongPtrW(radios[i], GWL_STYLE) & 0x0F) != BS_AUTORADIOBUTTON)
                    wintest::fail(__FILE__, __LINE__, WHERE(d.name + " no radio button"));
            }
        }
        if (d.kind == Kind::CheckBox && (SendMessageW(h, BM_GETCHECK, 0, 0) == BST_CHECKED) != d.checked())
            wintest::fail(__FILE__, __LINE__, WHERE(d.name + " check"));

        // Position and size as designed.
        RECT r = rect_in(top, h);
        if (d.kind == Kind::Spin) r.right = rect_in(top, w.up_down(d.name)).right;
        // A name label has no place of its own (the shared cases check it on
        // its caption); every other control is where the design puts it.
        if (d.kind != Kind::NameLabel) {
            const bool placed = r.left == d.rect.x && r.top == d.rect.y &&
                                (d.rect.w == 0 || r.right - r.left == d.rect.w) &&
                                (d.rect.h == 0 || r.bottom - r.top == d.rect.h);
            if (!placed)
                wintest::fail(__FILE__, __LINE__,
                              WHERE(d.name + " at " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
                                    std::to_string(r.right - r.left) + "x" + std::to_string(r.bottom - r.top)));
        }
        // Enabled as designed (the settings dialog's creation may change it).
        const bool want_enabled = design.on_create ? c.enabled : d.enabled;
        if ((IsWindowEnabled(h) != FALSE) != want_enabled) wintest::fail(__FILE__, __LINE__, WHERE(d.name + " enabled state"));
        // Fonts.
        const std::string face = face_of(h);
        const bool fixed = d.kind == Kind::NameLabel || d.kind == Kind::Panel || d.fixed_pitch;
        if (face != (fixed ? kGothic : kPGothic)) wintest::fail(__FILE__, __LINE__, WHERE(d.name + " font " + face));
    }

    // Tab order: the enabled controls of the design's order that can hold
    // the focus (a panel cannot), in that order, a radio group entered at
    // its selected button.
    std::vector<std::string> want;
    for (const std::string& n : design.tab_order)
        if (const Control* c = dialog.form().find(n); c && c->enabled && c->kind() != Kind::Panel &&
                                                    c->kind() != Kind::Label && c->kind() != Kind::GroupBox)
            want.push_back(n);
    std::vector<std::string> got;
    HWND first = GetNextDlgTabItem(top, nullptr, FALSE);
    for (HWND h = first; h && got.size() < 64;) {
        got.push_back(w.name_of(h));
        const std::string name = got.back();
        if (const Control* c = dialog.form().find(name); c && c->kind() == Kind::RadioGroup) {
            const std::vector<HWND> radios = w.radios(name);
            const size_t sel = static_cast<size_t>(std::max(0, c->selected));
            if (sel < radios.size() && radios[sel] != h) wintest::fail(__FILE__, __LINE__, WHERE(name + " tab stop not at its choice"));
        }
        h = GetNextDlgTabItem(top, h, FALSE);
        if (h == first) break;
    }
    if (join(got) != join(want)) wintest::fail(__FILE__, __LINE__, WHERE("tab order " + join(got) + " want " + join(want)));
    // The first of the tab order has the focus.
    if (!want.empty() && w.name_of(GetFocus()) != design.tab_order.front())
        wintest::fail(__FILE__, __LINE__, WHERE("focus on " + w.name_of(GetFocus())));
}

}  // namespace

TEST(EveryDialogMatchesItsDesign) {
    for (const DialogDesign* design : test::all_designs())
        for (CaseSettings cs : {CaseSettings{0, 0, 1}, CaseSettings{1, 1, 0}}) check_against_design(*design, cs);
}

// ---------------------------------------------------------------------------
// The cases every view must pass (view_cases.h), on this view.

namespace {

class WinDriver final : public test::ViewDriver {
public:
    void open(const DialogDesign& design, CaseSettings cs) override {
        dialog_.emplace(design, host, platform);
        dialog_->create();
        dialog_->set_case_settings(cs);
        window_.emplace(*dialog_, &run);
        window_->show();
        pump(*window_);
    }
    Dialog& dialog() override { return *dialog_; }
    Win32DialogWindow& w() { return *window_; }

    void focus(const std::string& control, int radio) override {
        SetFocus(target(control, radio));
        pump(*window_);
    }
    void press(test::Press key) override {
        static const WPARAM vk[] = {VK_RETURN, VK_ESCAPE, VK_TAB, VK_UP, VK_DOWN};
        HWND to = GetFocus();
        PostMessageW(to, WM_KEYDOWN, vk[static_cast<int>(key)], 1);
        PostMessageW(to, WM_KEYUP, vk[static_cast<int>(key)], 0xC0000001);
        pump(*window_);
    }
    void type(const std::string& text) override {
        HWND to = GetFocus();
        for (wchar_t c : wide(text)) PostMessageW(to, WM_CHAR, c, 1);
        pump(*window_);
    }
    void paste(const std::string& control, const std::string& text) override {
        SetWindowTextW(window_->control(control), wide(text).c_str());
        pump(*window_);
    }
    void click(const std::string& control, int radio) override {
        SendMessageW(target(control, radio), BM_CLICK, 0, 0);
        pump(*window_);
    }
    void close_box() override {
        SendMessageW(window_->hwnd(), WM_CLOSE, 0, 0);
        pump(*window_);
    }

    std::string focused() override { return window_->name_of(GetFocus()); }
    int focused_radio() override {
        const std::vector<HWND> radios = window_->radios(focused());
        const auto at = std::find(radios.begin(), radios.end(), GetFocus());
        return at == radios.end() ? -1 : static_cast<int>(at - radios.begin());
    }
    std::string shown(const std::string& control) override { return utf8(text_of(window_->control(control))); }
    bool enabled(const std::string& control) override { return IsWindowEnabled(window_->control(control)) != FALSE; }
    bool visible() override { return window_->hwnd() && IsWindowVisible(window_->hwnd()); }
    bool tab_stop(const std::string& control, int radio) override {
        return (GetWindowLongPtrW(target(control, radio), GWL_STYLE) & WS_TABSTOP) != 0;
    }
    Rect rect(const std::string& control) override {
        const RECT r = rect_in(window_->hwnd(), window_->control(control));
        return {r.left, r.top, r.right - r.left, r.bottom - r.top};
    }
    int gap_pad(const std::string& control) override { return window_->gap_pad(control); }

private:
    HWND target(const std::string& control, int radio) {
        if (radio < 0) return window_->control(control);
        const std::vector<HWND> radios = window_->radios(control);
        return radio < static_cast<int>(radios.size()) ? radios[static_cast<size_t>(radio)] : nullptr;
    }

    std::optional<Dialog> dialog_;
    std::optional<Win32DialogWindow> window_;
};

void run_cases(void (*cases)(const std::function<std::unique_ptr<test::ViewDriver>()>&, test::Report&)) {
    test::Report r;
    cases([] { return std::make_unique<WinDriver>(); }, r);
    for (const std::string& f : r.failures) wintest::fail(__FILE__, __LINE__, f);
}

// A dialog of every kind, shown, for the cases of this view alone.
struct Shown {
    WinDriver driver;
    RecordingHost& host = driver.host;
    CountedEvents& run = driver.run;
    Dialog& dialog;
    Shown() : dialog((driver.open(test::every_kind(), {0, 0, 1}), driver.dialog())) {}
    Win32DialogWindow& w() { return driver.w(); }
    HWND h(const char* name) { return driver.w().control(name); }
    void type(HWND to, const wchar_t* text) {
        for (const wchar_t* p = text; *p; ++p) PostMessageW(to, WM_CHAR, *p, 1);
        pump(w());
    }
    void focus(const char* name) { driver.focus(name, -1); }
};

}  // namespace

TEST(SharedKeyHookCases) { run_cases(test::key_cases); }
TEST(SharedControlCases) { run_cases(test::control_cases); }
TEST(SharedNarrowGapCase) { run_cases(test::narrow_gap_case); }
TEST(SharedEveryDialogCases) { run_cases(test::every_dialog_cases); }

TEST(AltOConfirmsAltCCancels) {
    {
        Shown s;
        s.focus("EditA");
        PostMessageW(s.h("EditA"), WM_SYSCHAR, L'o', 1 << 29);
        pump(s.w());
        CHECK_EQ(s.host.set_data_count, 1);
    }
    {
        Shown s;
        s.focus("CheckBoxA");
        PostMessageW(s.h("CheckBoxA"), WM_SYSCHAR, L'c', 1 << 29);
        pump(s.w());
        CHECK_EQ(s.run.closed_count, 1);
        CHECK_EQ(s.host.set_data_count, 0);
    }
}

TEST(MaskedEditKeepsItsLiterals) {
    Shown s;
    HWND e = s.h("MaskEditT");
    CHECK_EQ(utf8(text_of(e)), std::string("  :  "));
    s.focus("MaskEditT");
    SendMessageW(e, EM_SETSEL, 0, 0);
    s.type(e, L"12x3");
    CHECK_EQ(s.dialog.form().text("MaskEditT"), std::string("12:3 "));
    s.type(e, L"\b");
    CHECK_EQ(s.dialog.form().text("MaskEditT"), std::string("12:  "));
    s.type(e, L"\b");
    CHECK_EQ(s.dialog.form().text("MaskEditT"), std::string("1 :  "));
}

TEST(ADropDownListsChoiceReachesTheModel) {
    Shown s;
    SendMessageW(s.h("ComboBoxL"), CB_SETCURSEL, 2, 0);
    SendMessageW(s.w().hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(s.h("ComboBoxL")), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(s.h("ComboBoxL")));
    CHECK_EQ(s.dialog.form().selected("ComboBoxL"), 2);
    CHECK_EQ(s.dialog.form().text("ComboBoxL"), std::string("two"));
}

namespace {
RECT g_box{};
bool g_box_seen = false;
VOID CALLBACK find_box(HWND, UINT, UINT_PTR id, DWORD) {
    HWND box = FindWindowW(L"#32770", L"\x30A8\x30E9\x30FC");  // エラー
    if (!box) return;
    GetWindowRect(box, &g_box);
    g_box_seen = true;
    KillTimer(nullptr, id);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
}
RECT box_at(int x, int y) {
    g_box_seen = false;
    SetTimer(nullptr, 0, 50, find_box);
    error_box_at("\xE3\x82\xA8\xE3\x83\xA9\xE3\x83\xBC", "text", x, y);
    return g_box;
}
}  // namespace

TEST(ErrorBoxOpensWhereItIsTold) {
    RECT r = box_at(300, 200);
    CHECK(g_box_seen);
    CHECK_EQ(r.left, 300L);
    CHECK_EQ(r.top, 200L);
    // A negative coordinate leaves that edge to the system.
    RECT centred = box_at(-1, -1);
    r = box_at(-5, 40);
    CHECK_EQ(r.left, centred.left);
    CHECK_EQ(r.top, 40L);
    r = box_at(10, -1);
    CHECK_EQ(r.left, 10L);
    CHECK_EQ(r.top, centred.top);
}

TEST(FileFilterTextForTheOpenDialog) {
    const std::wstring t = open_filter_text(filters_of(FilterList::Scripts));
    CHECK(t == std::wstring(L"cgi (*.cgi)\0*.cgi\0\x3059\x3079\x3066\x306E\xFF8C\xFF67\xFF72\xFF99\0*.*\0\0", 32));
}
