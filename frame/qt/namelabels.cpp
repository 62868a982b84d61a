#include "frame/qt/namelabels.h"

#include <QFontMetrics>
#include <algorithm>

#include "frame/qt/qtext.h"

namespace corvane {

namespace {

Binding* find(std::vector<Binding>& bindings, const std::string& name) {
    for (Binding& b : bindings)
        if (b.model->name() == name) return &b;
    return nullptr;
}

}  // namespace

void attach_name_labels(std::vector<Binding>& bindings) {
    for (Binding& label : bindings) {
        if (label.model->kind() != Kind::NameLabel || !label.widget) continue;
        Binding* owner = find(bindings, label.model->def->owner);
        if (!owner || !owner->widget || !owner->binder) continue;
        const std::string& caption = owner->model->caption;
        const std::optional<CaptionGap> gap = caption_gap(caption);
        if (!gap) continue;
        const QFontMetrics fm(owner->widget->font());
        // A caption of several lines holds the gap on one of them.
        const size_t newline = caption.rfind('\n', gap->first);
        const size_t line_start = newline == std::string::npos ? 0 : newline + 1;
        const int line = static_cast<int>(std::count(caption.begin(), caption.begin() + line_start, '\n'));
        const int before = fm.horizontalAdvance(q(caption.substr(line_start, gap->first - line_start)));
        const QSize size = label.widget->sizeHint();
        const int blank = std::max(1, fm.horizontalAdvance(' '));
        int gap_w = fm.horizontalAdvance(q(caption.substr(line_start, gap->close - line_start))) - before;
        if (gap_w < size.width()) owner->gap_pad = (size.width() - gap_w + blank - 1) / blank;
        gap_w += owner->gap_pad * blank;
        const ControlDef& od = *owner->model->def;
        const int gap_x = od.rect.x + owner->binder->caption_left(*owner) + before;
        const int y = od.rect.y + line * fm.lineSpacing() +
                      (od.kind == Kind::CheckBox ? (owner->widget->height() - fm.height()) / 2 : 0);
        label.widget->setGeometry(gap_x + (gap_w - size.width()) / 2, y + (fm.height() - size.height()) / 2,
                                  size.width(), size.height());
        owner->sync();
        if (od.rect.w == 0) owner->widget->adjustSize();
    }
}

}  // namespace corvane
