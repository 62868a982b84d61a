#include "frame/viewcontroller.h"

#include <algorithm>

namespace corvane {

ViewController::ViewController(Dialog& dialog, ViewSurface& view, ViewEvents* run)
    : dialog_(dialog), view_(view), run_(run), hook_(dialog.env(), static_cast<ViewEvents&>(*this)) {}

std::optional<size_t> ViewController::index_of(const std::string& name) const {
    const std::vector<Control>& controls = dialog_.form().controls();
    for (size_t i = 0; i < controls.size(); ++i)
        if (controls[i].name() == name) return i;
    return std::nullopt;
}

bool ViewController::tab_stop(const std::string& name) const {
    const std::vector<std::string>& order = dialog_.design().tab_order;
    return std::find(order.begin(), order.end(), name) != order.end();
}

int radio_stop(const Control& group, int buttons) {
    if (buttons <= 0) return -1;
    return group.selected >= 0 && group.selected < buttons ? group.selected : 0;
}

void ViewController::sync_from_model(bool move_focus) {
    {
        SyncGuard guard(syncing_);
        view_.show_caption(dialog_.form().caption);
        for (size_t i = 0; i < dialog_.form().controls().size(); ++i) view_.render(i);
    }
    if (move_focus) focus_to_model();
}

void ViewController::focus_to_model() {
    const std::optional<size_t> at = index_of(dialog_.form().focus);
    if (!at || !view_.drawn(*at)) return;
    const Control& c = dialog_.form().controls()[*at];
    const int buttons = c.kind() == Kind::RadioGroup ? static_cast<int>(c.def->items().size()) : 0;
    view_.give_focus(*at, radio_stop(c, buttons));
}

bool ViewController::showing() {
    if (shown_) return false;
    shown_ = true;
    dialog_.FormShow();
    return true;
}

// The focus moves only when the click itself moved it (Dialog::click).
void ViewController::clicked(const std::string& control) {
    const bool focus_moved = dialog_.click(control);
    if (dialog_.closed()) {
        view_.close_window();
        return;
    }
    sync_from_model(focus_moved);
}

void ViewController::ok() {
    view_.poll_focus();  // a spin edit being left settles first
    if (dialog_.ButtonOKClick()) {
        view_.close_window();
        return;
    }
    // An error kept the dialog open: back in sight, as the model holds it.
    if (!view_.window_visible()) view_.show_window();
    sync_from_model();
}

void ViewController::cancel() {
    dialog_.ButtonCancelClick();
    view_.close_window();
}

void ViewController::spin_stepped(const std::string& control, int steps) {
    const std::optional<size_t> at = index_of(control);
    if (!at) return;
    Control& m = dialog_.form().controls()[*at];
    m.text = std::to_string(m.def->spin_spec().stepped(m.spin_value(), steps));
    SyncGuard guard(syncing_);
    view_.render(*at);
}

void ViewController::window_gone() {
    dialog_.ButtonCancelClick();
    if (run_) run_->closed();
}

bool ViewController::key(DialogKey key, bool alt) {
    if (alt) return false;
    view_.poll_focus();
    switch (dialog_.FormShortCut(key_code(key))) {
        case KeyResult::NotTaken:
            return false;
        case KeyResult::PressFocused:
            if (const std::optional<size_t> at = index_of(dialog_.form().focus)) view_.press(*at);
            return true;
        case KeyResult::Ok:
            ok();
            return true;
        case KeyResult::Cancel:
            cancel();
            return true;
    }
    return false;
}

void ViewController::focus_entered(size_t at) {
    Form& form = dialog_.form();
    const std::optional<size_t> old = index_of(form.focus);
    form.move_focus(form.controls()[at].name());
    if (old && *old != at) {
        // Leaving a control may have settled what it holds (a spin edit).
        SyncGuard guard(syncing_);
        view_.render(*old);
    }
}

void ViewController::attach_name_labels(const TextMeasure& measure) {
    SyncGuard guard(syncing_);
    const std::vector<Control>& controls = dialog_.form().controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].kind() != Kind::NameLabel || !view_.drawn(i)) continue;
        const std::optional<size_t> owner = index_of(controls[i].def->owner());
        if (!owner || !view_.drawn(*owner)) continue;
        const Control& o = controls[*owner];
        const ControlDef& od = *o.def;
        const CaptionOwner at{&od, od.rect.x, od.rect.y, view_.height_of(*owner), view_.caption_left(*owner)};
        const auto place = place_name_label(measure, at, o.caption, view_.label_size(i));
        if (!place) continue;
        view_.place(i, place->label);
        view_.set_gap_pad(*owner, place->gap_pad);
        view_.render(*owner);
        if (od.rect.w == 0) view_.fit_to_caption(*owner);
    }
}

}  // namespace corvane
