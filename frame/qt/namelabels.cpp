#include "frame/qt/namelabels.h"

#include "frame/qt/qtmeasure.h"

namespace corvane {

void attach_name_labels(std::vector<Binding>& bindings) {
    const QtMeasure measure;
    for (Binding& label : bindings) {
        if (label.model->kind() != Kind::NameLabel || !label.widget) continue;
        Binding* owner = binding_named(bindings, label.model->def->owner());
        if (!owner || !owner->widget || !owner->binder) continue;
        const ControlDef& od = *owner->model->def;
        const QSize size = label.widget->sizeHint();
        const CaptionOwner at{&od, od.rect.x, od.rect.y, owner->widget->height(), owner->binder->caption_left(*owner)};
        const auto place = place_name_label(measure, at, owner->model->caption, {size.width(), size.height()});
        if (!place) continue;
        owner->gap_pad = place->gap_pad;
        label.widget->setGeometry(place->label.x, place->label.y, place->label.w, place->label.h);
        owner->sync();
        if (od.rect.w == 0) owner->widget->adjustSize();
    }
}

}  // namespace corvane
