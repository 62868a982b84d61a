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
        // A caption of several lines ("最大桁数" over "(      )") has its
        // gap on a later line: measure from that line's start, one line
        // height down for each line above it.
        const size_t line_start = caption.rfind('\n', gap->first) == std::string::npos
                                      ? 0
                                      : caption.rfind('\n', gap->first) + 1;
        const int lines_above = static_cast<int>(std::count(caption.begin(), caption.begin() + line_start, '\n'));
        const std::string line = caption.substr(line_start);
        const size_t first = gap->first - line_start, close = gap->close - line_start;
        const int before = fm.horizontalAdvance(q(line.substr(0, first)));
        const QSize size = label.widget->sizeHint();
        const int blank = std::max(1, fm.horizontalAdvance(' '));
        int gap_w = fm.horizontalAdvance(q(line.substr(0, close))) - before;
        if (gap_w < size.width()) owner->gap_pad = (size.width() - gap_w + blank - 1) / blank;
        gap_w += owner->gap_pad * blank;
        const ControlDef& od = *owner->model->def;
        const int gap_x = od.rect.x + owner->binder->caption_left(*owner) + before;
        const int y = od.rect.y + lines_above * fm.lineSpacing() +
                      (od.kind == Kind::CheckBox ? (owner->widget->height() - fm.height()) / 2 : 0);
        label.widget->setGeometry(gap_x + (gap_w - size.width()) / 2, y + (fm.height() - size.height()) / 2,
                                  size.width(), size.height());
        owner->sync();
        if (od.rect.w == 0) owner->widget->adjustSize();
    }
}

}  // namespace corvane
