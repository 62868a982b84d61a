// The behaviour every dialog shares, on the form model: creation and
// placement, the show step, the key hook, OK and Cancel, colour and browse
// buttons.  The Qt view forwards the user's actions here.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "frame/form.h"
#include "frame/platform.h"

namespace corvane {

// What handlers may reach while a dialog runs.
struct DialogEnv {
    HostLink& host;
    Platform& platform;
    std::function<void()> hide;  // hides the window (no-op without a view)
    std::string settings_folder;  // where Corvane.ini and Corvane.pld live
};

// The outer size a window of this client size gets: a single fixed border
// of 3 pixels and a 19-pixel title bar.
constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 25;

// Designed caption + the case-adapted appended text of a tag dialog.
std::string dialog_caption(const DialogDesign& design, const CaseSettings& cs);
// The filters of a file-open dialog, by list.
const std::vector<FileFilter>& filters_of(FilterList which);
// "#RRGGBB", upper-case hexadecimal.
std::string color_text(Rgb c);

// The keys the dialogs take; every other key belongs to the focused control.
enum class DialogKey { Enter, Escape };
// Their codes, as the key hook receives them.
constexpr int kEnterKey = 13;
constexpr int kEscapeKey = 27;
constexpr int key_code(DialogKey key) { return key == DialogKey::Enter ? kEnterKey : kEscapeKey; }

enum class KeyResult {
    NotTaken,      // the focused control gets the key as usual
    PressFocused,  // Enter on a colour or browse button: press that button
    Ok,
    Cancel,
};

class Dialog {
public:
    Dialog(const DialogDesign& design, HostLink& host, Platform& platform);

    Form& form() { return form_; }
    const Form& form() const { return form_; }
    const DialogDesign& design() const { return form_.design(); }
    DialogEnv& env() { return env_; }

    // Creation: the open dialog's initial folder, then FormCreate.
    void create();
    void FormCreate();
    // The case settings the dialog is shown in and builds its tags in,
    // handed over once before the view shows it.
    void set_case_settings(const CaseSettings& cs) { cs_ = cs; }
    // The show step in those settings: caption, name labels, value lists.
    void FormShow();
    // The same, handed the settings here.
    void FormShow(const CaseSettings& cs) {
        set_case_settings(cs);
        FormShow();
    }
    // The key hook; key is kEnterKey, kEscapeKey or any other code.
    KeyResult FormShortCut(int key) const;

    // A click on a control: its colour or browse role, then the dialog's own
    // handler.  An error is shown and the dialog stays open.  Returns whether
    // the click moved the focus: a view moves it only then, since a handler
    // may run while the focus is on its way elsewhere (a combo box settles
    // its choice as it loses the focus).
    bool click(const std::string& control);
    // OK: builder, hide, pelr_SetData, close.  Returns true when the dialog
    // closed; false when an error kept it open.
    bool ButtonOKClick();
    void ButtonCancelClick();
    bool closed() const { return closed_; }
    // The run's exit code once the dialog has gone: 1 when its last OK ended
    // in an error (a settings file that could not be written), else 0, so
    // that whoever started the run can tell that it failed.
    int exit_code() const { return ok_failed_ ? 1 : 0; }

    const std::string& initial_folder() const { return initial_folder_; }
    const CaseSettings& case_settings() const { return cs_; }

    // Editing an element already written: `after_show` runs at the end of
    // the show step (it fills the form from the tag), `hand_over` instead of
    // handing the built texts to the host on OK.  Unset for every switch.
    std::function<void(Dialog&)> after_show;
    std::function<void(Dialog&)> hand_over;

    // Builds the texts the tag OK would hand over (spin edits settled first),
    // in the case settings the dialog was shown with.
    TagTexts build();

private:
    void show_step(const CaseSettings& cs);
    void color_click(const ControlDef& button);
    void browse_click(const ControlDef& button);
    template <class F>
    bool guarded(F&& f);

    Form form_;
    HostLink& host_;
    Platform& platform_;
    DialogEnv env_;
    std::string initial_folder_;
    Rgb last_color_{0, 0, 0};
    CaseSettings cs_;
    bool closed_ = false;
    bool ok_failed_ = false;
};

}  // namespace corvane
