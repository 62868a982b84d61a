// The Win32 view of a dialog: one native control per control of the form
// model (a radio group is a group box with a radio button per item, a spin
// edit an edit with an up-down control), rendered from the model, with the
// user's edits written back into it.  Behaviour stays in Dialog; this class
// forwards clicks, keys and focus, as the Qt view does.
#pragma once
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include <string>
#include <vector>

#include "frame/dialog.h"

namespace corvane {

// UTF-8 <-> UTF-16 for the W functions.
std::wstring wide(const std::string& utf8);
std::string utf8(const std::wstring& w);

// A function of a system DLL that only some runs need, loaded at its first
// use: each DLL loaded at start-up costs a dialog's start under Wine.
FARPROC system_function(const wchar_t* dll, const char* name);

// "ＭＳ Ｐゴシック" and "ＭＳ ゴシック", 12 pixels, Shift_JIS character set;
// made once per run.
HFONT dialog_font();
HFONT fixed_pitch_font();

class Win32DialogWindow {
public:
    // Creates the window and its controls, hidden, at the form's position.
    explicit Win32DialogWindow(Dialog& dialog);
    ~Win32DialogWindow();
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    Dialog& dialog() { return dialog_; }
    HWND hwnd() const { return hwnd_; }

    // The first show runs the show step with these settings; every show
    // renders the model and gives the focus to the model's control.
    void show(const CaseSettings& cs);
    // Renders the model into the controls.
    void sync_from_model(bool move_focus = true);

    // The window of a control: a radio group's group box, a spin edit's edit.
    HWND control(const std::string& name) const;
    // A radio group's buttons; a spin edit's up-down control.
    std::vector<HWND> radios(const std::string& name) const;
    HWND up_down(const std::string& name) const;
    // The control a window belongs to ("" for none).
    std::string name_of(HWND w) const;
    // Blanks added to a caption's gap so that its name label fits.
    int gap_pad(const std::string& name) const;

    // Runs the key hook for a key code (13, 27, ...) as a key press would.
    bool handle_key(int key);
    // The message loop's filter: the key hook first, then the dialog
    // navigation (Tab, arrows in a radio group, Alt+O and Alt+C).  True
    // when the message was handled.
    bool pre_translate(MSG& msg);
    // Called by the loop after each message: follows the keyboard focus.
    void track_focus();

    // True once the window is gone (OK, Cancel, Escape, the close box).
    bool closed() const { return destroyed_; }

private:
    struct Binding {
        Control* model = nullptr;
        HWND hwnd = nullptr;
        std::vector<HWND> radios;
        HWND updown = nullptr;
        WNDPROC edit_proc = nullptr;  // the edit's own procedure, when subclassed
        int gap_pad = 0;
        bool tab_stop = false;
    };

    static LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK mask_edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK spin_edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    void subclass(Binding& b, WNDPROC proc);
    static LRESULT pass_on(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    void build();
    void create_control(Binding& b, int id);
    void attach_name_labels();
    void fit_radio(Binding& b, size_t i);
    void sync(Binding& b);
    std::wstring shown_caption(const Binding& b) const;
    int caption_left(const Binding& b) const;
    SIZE text_size(HFONT font, const std::wstring& text) const;
    HFONT font_of(const ControlDef& d) const;

    void on_command(int id, int code, HWND from);
    void on_click(const std::string& name);
    void on_ok();
    void on_cancel();
    void spin_step(Binding& b, int steps);
    void focus_to_model();
    void destroy();

    Binding* binding_of(HWND w);
    Binding* binding(const std::string& name);
    const Binding* binding(const std::string& name) const;

    Dialog& dialog_;
    HWND hwnd_ = nullptr;
    std::vector<Binding> bindings_;
    struct IdRef {
        size_t binding;
        int radio;  // -1: the control itself
    };
    std::vector<IdRef> ids_;  // by control id - kFirstId
    int new_id(size_t binding, int radio);
    bool syncing_ = false;
    bool shown_ = false;
    bool destroyed_ = false;
    HWND last_focus_ = nullptr;
    HBRUSH face_brush_ = nullptr;
    HBRUSH window_brush_ = nullptr;
    HDC measure_dc_ = nullptr;
};

// Runs the message loop until the window is gone.
void run_message_loop(Win32DialogWindow& window);

}  // namespace corvane
