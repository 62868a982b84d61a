// Small widgets the view needs beyond Qt's own.
#pragma once
#include <QLineEdit>
#include <QSpinBox>
#include <QString>
#include <QWidget>
#include <functional>
#include <string>

#include "frame/design.h"

namespace corvane {

// A captioned, etched frame as radio groups and group boxes are drawn: the
// caption kCaptionInset pixels from the left on the top line, so that name labels
// placed by design coordinates land on the caption's gap whatever the style.
class CaptionBox : public QWidget {
public:
    using QWidget::QWidget;
    void set_caption(const QString& text);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString caption_;
};

// Numeric spin edit: any integer (or nothing) may stand in the field while
// it is being typed; the arrows step within the design limits.  What the
// field holds goes to the model as typed, and the model, not the spin box,
// decides what a text beyond the limits or without a number becomes when the
// field loses the focus.
class SpinEdit : public QSpinBox {
public:
    SpinEdit(const ControlDef& def, QWidget* parent);
    // The field's text on every change (typing, also an empty or partial
    // number, the arrows, setValue) but the spin box's own correction when it
    // loses the focus.
    template <class F>
    void on_typed(QObject* context, F&& f) {
        auto report = [this, f](const QString&) {
            if (!correcting_) f(text_now());
        };
        connect(lineEdit(), &QLineEdit::textChanged, context, report);
        connect(this, &QSpinBox::textChanged, context, report);
    }
    // The arrows, Up and Down and the wheel step through `step`, which
    // steps the model.
    void on_step(std::function<void(int)> step) { step_ = std::move(step); }
    void stepBy(int steps) override;
    void set_text(const QString& t);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    QString text_now() const;
    std::function<void(int)> step_;
    bool correcting_ = false;
};

// A mask as the design writes it ("00:00": 0 a required digit, anything
// else a literal) in Qt's notation, with blanks as the placeholders.
QString qt_mask(const std::string& mask);

}  // namespace corvane
