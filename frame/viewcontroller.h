// The part of a dialog's view that is the same whatever draws it: the guard
// that tells the user's actions from the view's own rendering, clicks, OK
// and Cancel, the key hook's keys, where the keyboard focus is and where it
// goes, the tab stops, and where the name labels go.  A view translates its
// toolkit's events into calls of ViewController and does what ViewSurface
// asks; it decides nothing of its own.
#pragma once
#include <cstddef>
#include <optional>
#include <string>

#include "frame/layout.h"
#include "frame/viewevents.h"

namespace corvane {

// What the controller asks of the view it drives.  A control is named by
// its place in the form's controls, which is also its place among the
// view's bindings.
class ViewSurface {
public:
    virtual ~ViewSurface() = default;
    // Whether control `at` has a window (the invisible kinds have none).
    virtual bool drawn(size_t at) const = 0;
    virtual void show_caption(const std::string& caption) = 0;
    // Shows control `at` as the model holds it, its enabled state included.
    virtual void render(size_t at) = 0;
    // Gives the keyboard focus to control `at`, to its radio button `radio`
    // when that is not -1, unless it holds the focus already or the window
    // is out of sight.
    virtual void give_focus(size_t at, int radio) = 0;
    // Presses button `at` as a click would.
    virtual void press(size_t at) = 0;
    virtual bool window_visible() const = 0;
    virtual void show_window() = 0;
    virtual void hide_window() = 0;
    // Closes the window for good; the view reports it through window_gone.
    virtual void close_window() = 0;
    // A view that learns of focus changes by asking, asks now (a spin edit
    // being left settles before OK reads it).
    virtual void poll_focus() {}

    // The name labels: the height the view gave control `at`, where its
    // caption text starts from its left edge, and the size a label's text
    // takes in the view.
    virtual int height_of(size_t at) const = 0;
    virtual int caption_left(size_t at) const = 0;
    virtual Size label_size(size_t at) const = 0;
    virtual void place(size_t at, const Rect& r) = 0;
    // The owner's caption gap widened by `blanks`; render shows it.
    virtual void set_gap_pad(size_t at, int blanks) = 0;
    // A control sized by its caption (no designed width) takes the size of
    // the caption it now shows.
    virtual void fit_to_caption(size_t at) = 0;
};

class ViewController final : public ControlEvents, private ViewEvents {
public:
    // Drives `view` for `dialog` and answers the dialog's hide while alive;
    // tells `run` when the window has gone.
    ViewController(Dialog& dialog, ViewSurface& view, ViewEvents* run);

    Dialog& dialog() { return dialog_; }

    // ControlEvents: what the controls report.
    bool syncing() const override { return syncing_; }
    void clicked(const std::string& control) override;
    void ok() override;
    void cancel() override;
    void spin_stepped(const std::string& control, int steps) override;

    // While alive, what the controls report carries no user action.
    [[nodiscard]] SyncGuard rendering() { return SyncGuard(syncing_); }
    // From now on nothing the controls report is a user action: the view
    // is taking its controls down.
    void stop_listening() { syncing_ = true; }
    // Renders the model; with move_focus the model's focus control (a
    // radio group at its tab stop) gets the keyboard focus.
    void sync_from_model(bool move_focus = true);
    void focus_to_model();
    // The window is being shown: the first time, the show step runs and
    // the answer is true.
    bool showing();
    // A key the view translated, pressed with Alt held or not: true when
    // the key hook took it.  Alt belongs to the mnemonics.
    bool key(DialogKey key, bool alt = false);
    // The keyboard focus is now on control `at`.
    void focus_entered(size_t at);
    // The window has gone (OK, Cancel, Escape, the close box): closing
    // never calls the host.
    void window_gone();

    // Whether a control is a stop of the design's tab order.
    bool tab_stop(const std::string& name) const;
    // Each name label on its owner's caption gap, measured with `measure`:
    // the owner at its designed place, as high as the view made it.
    void attach_name_labels(const TextMeasure& measure);

    std::optional<size_t> index_of(const std::string& name) const;

private:
    // ViewEvents: the dialog hides the window before it hands the texts over.
    void hide() override { view_.hide_window(); }

    Dialog& dialog_;
    ViewSurface& view_;
    ViewEvents* run_;
    ViewHook hook_;
    bool syncing_ = false;
    bool shown_ = false;
};

// The radio button of a group that Tab reaches and the focus goes to: the
// selected one, the first when none is; -1 when the group has no buttons.
int radio_stop(const Control& group, int buttons);

}  // namespace corvane
