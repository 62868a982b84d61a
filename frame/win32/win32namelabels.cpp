#include "frame/win32/win32namelabels.h"

namespace corvane {

void attach_name_labels(std::vector<Win32Binding>& bindings, HWND dialog, const TextMeasure& measure) {
    for (Win32Binding& label : bindings) {
        if (label.model->kind() != Kind::NameLabel || !label.hwnd) continue;
        Win32Binding* owner = binding_named(bindings, label.model->def->owner());
        if (!owner || !owner->hwnd || !owner->binder) continue;
        const ControlDef& od = *owner->model->def;
        RECT orc;
        GetWindowRect(owner->hwnd, &orc);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&orc), 2);
        const CaptionOwner at{&od, od.rect.x, orc.top, orc.bottom - orc.top, owner->binder->caption_left(*owner)};
        const Size need = text_extent(measure, font_of(*label.model->def), label.model->caption);
        const auto place = place_name_label(measure, at, owner->model->caption, need);
        if (!place) continue;
        owner->gap_pad = place->gap_pad;
        const Rect& r = place->label;
        SetWindowPos(label.hwnd, nullptr, r.x, r.y, r.w, r.h, SWP_NOZORDER | SWP_NOACTIVATE);
        if (od.kind == Kind::CheckBox && od.rect.w == 0) {
            // A check box sized to its caption grows with the gap.
            const Size s = text_extent(measure, font_of(od), utf8(owner->shown_caption()));
            SetWindowPos(owner->hwnd, nullptr, 0, 0, check_box_width(s.w), orc.bottom - orc.top,
                         SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
        }
    }
}

}  // namespace corvane
