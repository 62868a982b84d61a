// What a view's controls report to the window they live in, the guard a
// view holds while it renders the model, and what passes between a view and
// the run of its dialog.
#pragma once
#include <string>
#include <vector>

#include "frame/design.h"
#include "frame/dialog.h"

namespace corvane {

// The kinds of control one binder serves in each view: one widget or
// window kind with its variants.  The invisible kinds have none.
enum class BinderFamily { None, Label, Edit, Combo, Check, Box, Spin, Button };
constexpr int kBinderFamilies = 8;

constexpr BinderFamily binder_family(Kind kind) {
    switch (kind) {
        case Kind::Label:
        case Kind::NameLabel:
        case Kind::Panel: return BinderFamily::Label;
        case Kind::Edit:
        case Kind::MaskEdit: return BinderFamily::Edit;
        case Kind::ComboEdit:
        case Kind::ComboList: return BinderFamily::Combo;
        case Kind::CheckBox: return BinderFamily::Check;
        case Kind::RadioGroup:
        case Kind::GroupBox: return BinderFamily::Box;
        case Kind::Spin: return BinderFamily::Spin;
        case Kind::Button: return BinderFamily::Button;
        case Kind::HiddenList:
        case Kind::HiddenLabel: break;
    }
    return BinderFamily::None;
}

// The binding of the control `name` among a view's bindings, or nullptr.
template <class Binding>
Binding* binding_named(std::vector<Binding>& bindings, const std::string& name) {
    for (Binding& b : bindings)
        if (b.model->name() == name) return &b;
    return nullptr;
}

class ControlEvents {
public:
    virtual ~ControlEvents() = default;
    // True while the window renders the model: control notifications then
    // carry no user action.
    virtual bool syncing() const = 0;
    // The user changed a choice or pressed a button: the control's handlers run.
    virtual void clicked(const std::string& control) = 0;
    virtual void ok() = 0;
    virtual void cancel() = 0;
    // A spin edit's arrows, or Up and Down in it: `steps` steps from the
    // value the model reads.
    virtual void spin_stepped(const std::string& /*control*/, int /*steps*/) {}

    // A button was pressed: OK, Cancel or a click, by the button's role.
    void pressed(const ControlDef& button) {
        switch (button.role()) {
            case ButtonRole::Ok: ok(); break;
            case ButtonRole::Cancel: cancel(); break;
            default: clicked(button.name); break;
        }
    }
};

// Renders the model while alive: control notifications are no user actions
// then.  Nests: the flag is restored, not cleared.
class SyncGuard {
public:
    explicit SyncGuard(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~SyncGuard() { flag_ = old_; }
    SyncGuard(const SyncGuard&) = delete;
    SyncGuard& operator=(const SyncGuard&) = delete;

private:
    bool& flag_;
    bool old_;
};

// The two events between a dialog's view and the rest of its run, whatever
// draws the view.  The dialog asks the view's window to hide: a view answers
// `hide` while it is attached to its dialog (ViewHook).  The view reports
// that its window has gone to the `closed` of whoever runs it, which ends
// the run.  Each side overrides the event it answers.
class ViewEvents {
public:
    virtual ~ViewEvents() = default;
    // Out of sight: the tag OK hides the window before it hands the texts over.
    virtual void hide() {}
    // The window has gone (OK, Cancel, Escape, the close box).
    virtual void closed() {}
};

// A view attached to its dialog: while alive, the dialog's hide reaches the
// view; when it goes, hiding is a no-op again.
class ViewHook {
public:
    ViewHook(DialogEnv& env, ViewEvents& view) : env_(env) {
        env_.hide = [&view] { view.hide(); };
    }
    ~ViewHook() { env_.hide = [] {}; }
    ViewHook(const ViewHook&) = delete;
    ViewHook& operator=(const ViewHook&) = delete;

private:
    DialogEnv& env_;
};

}  // namespace corvane
