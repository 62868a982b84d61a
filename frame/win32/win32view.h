// The Win32 view of a dialog: one native control per control of the form
// model (a radio group is a group box with a radio button per item, a spin
// edit an edit with an up-down control), rendered from the model, with the
// user's edits written back into it.  What the view does with clicks, keys
// and focus is the controller's (frame/viewcontroller.h); this class
// translates the window messages into its calls and draws what it asks.
#pragma once
#include "frame/win32/win32binders.h"

#include <string>
#include <vector>

#include "frame/dialog.h"
#include "frame/viewcontroller.h"

namespace corvane {

class Win32DialogWindow final : private ViewSurface {
public:
    // Creates the window and its controls, hidden, at the form's position.
    // The window reports to `run` when it has gone.
    explicit Win32DialogWindow(Dialog& dialog, ViewEvents* run = nullptr);
    ~Win32DialogWindow();
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    Dialog& dialog() { return controller_.dialog(); }
    HWND hwnd() const { return hwnd_; }

    // The first show runs the show step (in the case settings the dialog
    // was handed); every show renders the model and gives the focus to the
    // model's control.
    void show();
    // Renders the model into the controls.
    void sync_from_model(bool move_focus = true) { controller_.sync_from_model(move_focus); }

    // The window of a control: a radio group's group box, a spin edit's edit.
    HWND control(const std::string& name) const;
    // A radio group's buttons; a spin edit's up-down control.
    std::vector<HWND> radios(const std::string& name) const;
    HWND up_down(const std::string& name) const;
    // The control a window belongs to ("" for none).
    std::string name_of(HWND w) const;
    // Blanks added to a caption's gap so that its name label fits.
    int gap_pad(const std::string& name) const;

    // Runs the key hook for a key as a key press would.
    bool handle_key(DialogKey key) { return controller_.key(key); }
    // The message loop's filter: the key hook first, then the dialog
    // navigation (Tab, arrows in a radio group, Alt+O and Alt+C).  True
    // when the message was handled.
    bool pre_translate(MSG& msg);
    // Called by the loop after each message: follows the keyboard focus.
    void track_focus();

private:
    using Binding = Win32Binding;

    static LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    void build();

    // ViewSurface
    bool drawn(size_t at) const override { return bindings_[at].hwnd && bindings_[at].binder; }
    void show_caption(const std::string& caption) override;
    void render(size_t at) override;
    void give_focus(size_t at, int radio) override;
    void press(size_t at) override;
    bool window_visible() const override { return hwnd_ && IsWindowVisible(hwnd_); }
    void show_window() override;
    void hide_window() override;
    void close_window() override;
    void poll_focus() override { track_focus(); }
    int height_of(size_t at) const override;
    int caption_left(size_t at) const override { return bindings_[at].binder->caption_left(bindings_[at]); }
    Size label_size(size_t at) const override;
    void place(size_t at, const Rect& r) override;
    void set_gap_pad(size_t at, int blanks) override { bindings_[at].gap_pad = blanks; }
    void fit_to_caption(size_t at) override;

    void on_command(int id, int code, HWND from);
    void spin_step(Binding& b, int steps);

    Binding* binding_of(HWND w);
    Binding* binding(const std::string& name);
    const Binding* binding(const std::string& name) const;

    ViewController controller_;
    HWND hwnd_ = nullptr;
    Win32Measure measure_;
    std::vector<Binding> bindings_;
    std::vector<ControlMaker::IdRef> ids_;  // by control id - kFirstControlId
    HWND last_focus_ = nullptr;
    HBRUSH face_brush_ = nullptr;
    HBRUSH window_brush_ = nullptr;
};

// Runs the message loop until the thread's quit message: the run posts it
// when the window reports that it has gone (PostQuitMessage).
void run_message_loop(Win32DialogWindow& window);

}  // namespace corvane
