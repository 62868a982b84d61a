// The Win32 view of a dialog: one native control per control of the form
// model (a radio group is a group box with a radio button per item, a spin
// edit an edit with an up-down control), rendered from the model, with the
// user's edits written back into it.  Behaviour stays in Dialog; this class
// forwards clicks, keys and focus, as the Qt view does.
#pragma once
#include "frame/win32/win32binders.h"

#include <optional>
#include <string>
#include <vector>

#include "frame/dialog.h"

namespace corvane {

class Win32DialogWindow final : private ControlEvents, private ViewEvents {
public:
    // Creates the window and its controls, hidden, at the form's position.
    // The window reports to `run` when it has gone.
    explicit Win32DialogWindow(Dialog& dialog, ViewEvents* run = nullptr);
    ~Win32DialogWindow();
    Win32DialogWindow(const Win32DialogWindow&) = delete;
    Win32DialogWindow& operator=(const Win32DialogWindow&) = delete;

    Dialog& dialog() { return dialog_; }
    HWND hwnd() const { return hwnd_; }

    // The first show runs the show step (in the case settings the dialog
    // was handed); every show renders the model and gives the focus to the
    // model's control.
    void show();
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

private:
    using Binding = Win32Binding;

    static LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    LRESULT handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    void build();
    void sync(Binding& b);

    // ControlEvents
    bool syncing() const override { return syncing_; }
    void clicked(const std::string& name) override;
    void ok() override;
    void cancel() override;
    // ViewEvents: the dialog's hide.
    void hide() override;

    void on_command(int id, int code, HWND from);
    void spin_step(Binding& b, int steps);
    void focus_to_model();
    void destroy();

    Binding* binding_of(HWND w);
    Binding* binding(const std::string& name);
    const Binding* binding(const std::string& name) const;

    Dialog& dialog_;
    ViewEvents* run_;
    std::optional<ViewHook> hook_;
    HWND hwnd_ = nullptr;
    Win32Measure measure_;
    std::vector<Binding> bindings_;
    std::vector<ControlMaker::IdRef> ids_;  // by control id - kFirstControlId
    bool syncing_ = false;
    bool shown_ = false;
    HWND last_focus_ = nullptr;
    HBRUSH face_brush_ = nullptr;
    HBRUSH window_brush_ = nullptr;
};

// Runs the message loop until the thread's quit message: the run posts it
// when the window reports that it has gone (PostQuitMessage).
void run_message_loop(Win32DialogWindow& window);

}  // namespace corvane
