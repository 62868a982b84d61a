#include "frame/qt/widgets.h"

#include <QLineEdit>
#include <QPainter>

#include "frame/layout.h"

namespace corvane {

void CaptionBox::set_caption(const QString& text) {
    if (text == caption_) return;
    caption_ = text;
    update();
}

void CaptionBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int half = fontMetrics().height() / 2;
    const QRect r = rect().adjusted(0, half, -1, -1);
    const QPalette& pal = palette();
    p.setPen(pal.color(QPalette::Dark));
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(pal.color(QPalette::Light));
    p.drawRect(r.adjusted(1, 1, 0, 0));
    if (!caption_.isEmpty()) {
        QRect text(kCaptionInset, 0, fontMetrics().horizontalAdvance(caption_), fontMetrics().height());
        p.fillRect(text, pal.color(QPalette::Window));
        p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        p.drawText(text, Qt::AlignLeft | Qt::AlignTop, caption_);
    }
}

SpinEdit::SpinEdit(const ControlDef& def, QWidget* parent) : QSpinBox(parent) {
    setRange(kSpinFieldMin, kSpinFieldMax);
    setSingleStep(def.spin_spec().step);
}

QString SpinEdit::text_now() const { return lineEdit()->text(); }

void SpinEdit::stepBy(int steps) {
    if (step_) step_(steps);  // the model steps, and the field shows it
    // The spin box's own value follows the field, so that it writes back
    // nothing else.
    bool number = false;
    const int v = lineEdit()->text().toInt(&number);
    if (number && v != value()) setValue(v);
    selectAll();
}

void SpinEdit::set_text(const QString& t) { lineEdit()->setText(t); }

void SpinEdit::focusOutEvent(QFocusEvent* event) {
    correcting_ = true;
    QSpinBox::focusOutEvent(event);
    correcting_ = false;
}

QString qt_mask(const std::string& mask) {
    QString m;
    for (char c : mask) {
        if (c == '0') m += '9';
        else if (QString("AaNnXx90Dd#HhBb><!{}[]\\").contains(QChar(c))) m += QString("\\") + QChar(c);
        else m += QChar(c);
    }
    return m + "; ";
}

}  // namespace corvane
