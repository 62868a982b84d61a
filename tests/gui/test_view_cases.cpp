// The cases every view must pass (view_cases.h), on the Qt view.
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

#include <optional>

#include "frame/qt/dialogwindow.h"
#include "frame/qt/qtext.h"
#include "view_cases.h"

using namespace corvane;
using namespace corvane::test;

namespace {

class QtDriver final : public ViewDriver {
public:
    void open(const DialogDesign& design, CaseSettings cs) override {
        dialog_.emplace(design, host, platform);
        dialog_->create();
        dialog_->set_case_settings(cs);
        window_.emplace(*dialog_, &run);
        window_->show();
        QApplication::processEvents();
    }
    Dialog& dialog() override { return *dialog_; }

    void focus(const std::string& control, int radio) override {
        QWidget* w = target(control, radio);
        if (auto* c = qobject_cast<QComboBox*>(w); c && c->isEditable()) w = c->lineEdit();
        if (w) w->setFocus();
        QApplication::processEvents();
    }
    void press(Press key) override {
        static const int qt[] = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down};
        send(qt[static_cast<int>(key)], {});
    }
    void type(const std::string& text) override {
        for (QChar c : q(text)) send(c.unicode(), QString(c));
    }
    void paste(const std::string& control, const std::string& text) override {
        QWidget* w = window_->widget(control);
        if (auto* e = qobject_cast<QLineEdit*>(w)) e->setText(q(text));
        else if (auto* s = qobject_cast<QAbstractSpinBox*>(w)) s->findChild<QLineEdit*>()->setText(q(text));
        QApplication::processEvents();
    }
    void click(const std::string& control, int radio) override {
        if (auto* b = qobject_cast<QAbstractButton*>(target(control, radio))) b->click();
        QApplication::processEvents();
    }
    void close_box() override {
        window_->close();
        QApplication::processEvents();
    }

    std::string focused() override {
        const Binding b = focused_binding();
        return b.name;
    }
    int focused_radio() override { return focused_binding().radio; }
    std::string shown(const std::string& control) override {
        QWidget* w = window_->widget(control);
        if (auto* e = qobject_cast<QLineEdit*>(w)) return s(e->text());
        if (auto* c = qobject_cast<QComboBox*>(w)) return s(c->currentText());
        if (auto* sp = qobject_cast<QAbstractSpinBox*>(w)) return s(sp->text());
        if (auto* l = qobject_cast<QLabel*>(w)) return s(l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) return s(b->text());
        return {};
    }
    bool enabled(const std::string& control) override {
        QWidget* w = window_->widget(control);
        return w && w->isEnabled();
    }
    bool visible() override { return window_->isVisible(); }
    bool tab_stop(const std::string& control, int radio) override {
        QWidget* w = target(control, radio);
        return w && w->focusPolicy() == Qt::StrongFocus;
    }
    Rect rect(const std::string& control) override {
        QWidget* w = window_->widget(control);
        if (!w) return {};
        const QRect g = w->geometry();
        return {g.x(), g.y(), g.width(), g.height()};
    }
    int gap_pad(const std::string& control) override {
        // The caption as shown against the model's: the blanks added.
        const std::string now = shown(control);
        return static_cast<int>(now.size()) - static_cast<int>(dialog_->form()[control].caption.size());
    }

private:
    struct Binding {
        std::string name;
        int radio = -1;
    };
    QWidget* target(const std::string& control, int radio) {
        if (radio < 0) return window_->widget(control);
        return window_->findChild<QWidget*>(q(control + "_" + std::to_string(radio)));
    }
    // The control the focused widget belongs to: the nearest widget up its
    // parents that is a control's.
    Binding focused_binding() {
        for (QWidget* w = QApplication::focusWidget(); w && w != &*window_; w = w->parentWidget()) {
            const std::string name = s(w->objectName());
            if (dialog_->form().find(name)) return {name, -1};
            if (auto* r = qobject_cast<QRadioButton*>(w)) {
                const std::string group = s(r->parentWidget()->objectName());
                return {group, std::stoi(name.substr(group.size() + 1))};
            }
        }
        return {};
    }
    void send(int qt_key, const QString& text) {
        QWidget* to = QApplication::focusWidget();
        if (!to) return;
        QKeyEvent down(QEvent::KeyPress, qt_key, Qt::NoModifier, text);
        QApplication::sendEvent(to, &down);
        QKeyEvent up(QEvent::KeyRelease, qt_key, Qt::NoModifier, text);
        if (QApplication::focusWidget() == to) QApplication::sendEvent(to, &up);
        QApplication::processEvents();
    }

    std::optional<Dialog> dialog_;
    std::optional<DialogWindow> window_;
};

void run_cases(void (*cases)(const std::function<std::unique_ptr<ViewDriver>()>&, Report&)) {
    Report r;
    cases([] { return std::make_unique<QtDriver>(); }, r);
    for (const std::string& f : r.failures) ADD_FAILURE() << f;
}

}  // namespace

TEST(ViewCases, KeyHook) { run_cases(key_cases); }
TEST(ViewCases, Controls) { run_cases(control_cases); }
TEST(ViewCases, NarrowGap) { run_cases(narrow_gap_case); }
TEST(ViewCases, EveryDialog) { run_cases(every_dialog_cases); }
