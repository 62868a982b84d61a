#include "frame/qt/dialogwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

#include "common/milestone.h"
#include "frame/qt/qtmeasure.h"
#include "frame/qt/qtext.h"
#include "frame/qt/qtplatform.h"

namespace corvane {

namespace {

bool auto_sized(const ControlDef& d) { return d.rect.w <= 0 || d.rect.h <= 0; }

// The designed place and size; a size the design leaves open is the
// widget's own, which only a measured text can tell (DialogWindow::lay_out).
QRect geometry_of(const ControlDef& d, QWidget* w) {
    if (!auto_sized(d)) return QRect(d.rect.x, d.rect.y, d.rect.w, d.rect.h);
    QSize hint = w->sizeHint();
    return QRect(d.rect.x, d.rect.y, d.rect.w > 0 ? d.rect.w : hint.width(), d.rect.h > 0 ? d.rect.h : hint.height());
}

}  // namespace

DialogWindow::DialogWindow(Dialog& dialog, ViewEvents* run, QWidget* parent)
    : QWidget(parent), controller_(dialog, *this, run) {
    setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFont(dialog_font());
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Button));
    setPalette(pal);
    setAutoFillBackground(true);
    setFixedSize(dialog.design().client_w, dialog.design().client_h);
    setObjectName(q(dialog.design().class_name));
    build();
    move(dialog.form().left, dialog.form().top);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focus_changed(now); });
    qApp->installEventFilter(this);
    sync_from_model();
}

DialogWindow::~DialogWindow() {
    // Focus moves while the widgets go; this window no longer listens.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    // The widgets go first, while the controller their connections reach
    // is still here: an editable combo box that loses the focus as it goes
    // settles its choice and reports it.
    controller_.stop_listening();
    for (Binding& b : bindings_) {
        delete b.widget;
        b.widget = nullptr;
    }
}

void DialogWindow::build() {
    const SyncGuard guard = controller_.rendering();
    bindings_.reserve(dialog().form().controls().size());
    for (Control& c : dialog().form().controls()) {
        Binding b;
        b.model = &c;
        b.binder = binder_for(c.kind());
        if (b.binder) {
            b.widget = b.binder->make(b, this);
            b.widget->setObjectName(q(c.name()));
            b.sync();
            const Rect& r = c.def->rect;
            b.widget->setGeometry(r.x, r.y, std::max(r.w, 0), std::max(r.h, 0));
        }
        bindings_.push_back(b);
    }
    // Boxes lie under everything; labels lie on their captions.
    for (Binding& b : bindings_) {
        if (!b.widget) continue;
        const Kind k = b.model->kind();
        if (k == Kind::GroupBox || k == Kind::Panel) b.widget->lower();
        if (k == Kind::NameLabel || k == Kind::Label) b.widget->raise();
    }
    set_tab_order();
    for (Binding& b : bindings_)
        if (b.binder) b.binder->wire(b, controller_);
}

// Tab order from the design; every other control takes the focus only when
// clicked.  A radio group takes its place in the chain with all its buttons
// in a row, of which only one is a tab stop (its binder says which).
void DialogWindow::set_tab_order() {
    for (Binding& b : bindings_) {
        if (!b.widget) continue;
        b.tab_stop = controller_.tab_stop(b.model->name());
        if (b.radios.empty() && b.widget->focusPolicy() != Qt::NoFocus)
            b.widget->setFocusPolicy(b.tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
    QWidget* prev = nullptr;
    for (const std::string& name : dialog().design().tab_order) {
        Binding* b = binding_of(widget(name));
        if (!b) continue;
        std::vector<QWidget*> chain(b->radios.begin(), b->radios.end());
        if (chain.empty()) chain.push_back(b->widget);
        for (QWidget* w : chain) {
            if (prev) setTabOrder(prev, w);
            prev = w;
        }
    }
}

void DialogWindow::show_caption(const std::string& caption) {
    if (windowTitle() != q(caption)) setWindowTitle(q(caption));
}

void DialogWindow::give_focus(size_t at, int radio) {
    const Binding& b = bindings_[at];
    QWidget* w = radio >= 0 && radio < static_cast<int>(b.radios.size()) ? b.radios[static_cast<size_t>(radio)] : b.widget;
    if (!w->hasFocus() && isVisible()) w->setFocus(Qt::OtherFocusReason);
}

void DialogWindow::press(size_t at) {
    if (auto* p = qobject_cast<QPushButton*>(bindings_[at].widget)) p->click();
}

Size DialogWindow::label_size(size_t at) const {
    const QSize size = bindings_[at].widget->sizeHint();
    return {size.width(), size.height()};
}

QWidget* DialogWindow::widget(const std::string& name) const {
    for (const Binding& b : bindings_)
        if (b.model->name() == name) return b.widget;
    return nullptr;
}

Binding* DialogWindow::binding_of(QWidget* w) {
    for (; w && w != this; w = w->parentWidget())
        for (Binding& b : bindings_)
            if (b.widget == w) return &b;
    return nullptr;
}

void DialogWindow::focus_changed(QWidget* now) {
    if (Binding* b = binding_of(now)) controller_.focus_entered(static_cast<size_t>(b - bindings_.data()));
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == this && event->type() == QEvent::Paint && !painted_) {
        painted_ = true;
        // Once the first picture is painted and handed to the screen.
        if (milestones_on()) QTimer::singleShot(0, this, [] { milestone("painted"); });
    }
    if (event->type() == QEvent::KeyPress && isVisible() && !QApplication::activePopupWidget() &&
        !QApplication::activeModalWidget()) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this) {
            auto* ke = static_cast<QKeyEvent*>(event);
            const bool alt = ke->modifiers() & Qt::AltModifier;
            if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) return controller_.key(DialogKey::Enter, alt);
            if (ke->key() == Qt::Key_Escape) return controller_.key(DialogKey::Escape, alt);
        }
    }
    return QWidget::eventFilter(watched, event);
}

// Whatever depends on the size of a text waits until the window is on
// screen: the first measuring loads the fonts, which a window written by
// hand does only when it first paints.  Nothing paints before the event
// loop runs again, so the first picture already has every size.
void DialogWindow::setVisible(bool visible) {
    QWidget::setVisible(visible);
    if (!visible || laid_out_) return;
    laid_out_ = true;
    milestone("shown");
    lay_out();
    milestone("texts-laid-out");
}

void DialogWindow::lay_out() {
    for (Binding& b : bindings_) {
        if (!b.widget) continue;
        b.measured = true;
        b.binder->lay_out(b);  // auto-sized controls need their text first
        if (auto_sized(*b.model->def)) b.widget->setGeometry(geometry_of(*b.model->def, b.widget));
    }
    controller_.attach_name_labels(QtMeasure());
}

void DialogWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (controller_.showing()) sync_from_model();
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    controller_.window_gone();
}

}  // namespace corvane
