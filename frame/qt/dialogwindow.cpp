#include "frame/qt/dialogwindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionButton>
#include <climits>

#include "frame/qt/qtplatform.h"

namespace corvane {

namespace {

QString q(const std::string& s) { return QString::fromStdString(s); }
std::string s(const QString& q) { return q.toStdString(); }

// A captioned, etched frame as radio groups and group boxes are drawn: the
// caption at 8 pixels from the left on the top line, so that name labels
// placed by design coordinates land on the caption's gap whatever the style.
class CaptionBox : public QWidget {
public:
    using QWidget::QWidget;
    void set_caption(const QString& text) {
        if (text != caption_) {
            caption_ = text;
            update();
        }
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        const int half = fontMetrics().height() / 2;
        const QRect r = rect().adjusted(0, half, -1, -1);
        const QPalette& pal = palette();
        p.setPen(pal.color(QPalette::Dark));
        p.drawRect(r.adjusted(0, 0, -1, -1));
        p.setPen(pal.color(QPalette::Light));
        p.drawRect(r.adjusted(1, 1, 0, 0));
        if (!caption_.isEmpty()) {
            QRect text(8, 0, fontMetrics().horizontalAdvance(caption_), fontMetrics().height());
            p.fillRect(text, pal.color(QPalette::Window));
            p.setPen(pal.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
            p.drawText(text, Qt::AlignLeft | Qt::AlignTop, caption_);
        }
    }

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
    SpinEdit(int lo, int hi, QWidget* parent) : QSpinBox(parent), lo_(lo), hi_(hi) {
        setRange(INT_MIN / 2, INT_MAX / 2);
    }
    // The field's text on every change (typing, also an empty or partial
    // number, the arrows, setValue) but the spin box's own correction when it
    // loses the focus.
    template <class F>
    void on_typed(QObject* context, F&& f) {
        auto report = [this, f](const QString&) {
            if (!correcting_) f(lineEdit()->text());
        };
        connect(lineEdit(), &QLineEdit::textChanged, context, report);
        connect(this, &QSpinBox::textChanged, context, report);
    }
    void stepBy(int steps) override {
        long long v = static_cast<long long>(value()) + static_cast<long long>(steps) * singleStep();
        if (lo_ != hi_) v = std::max<long long>(lo_, std::min<long long>(hi_, v));
        setValue(static_cast<int>(v));
        selectAll();
    }
    void set_text(const QString& t) { lineEdit()->setText(t); }

protected:
    void focusOutEvent(QFocusEvent* event) override {
        correcting_ = true;
        QSpinBox::focusOutEvent(event);
        correcting_ = false;
    }
    StepEnabled stepEnabled() const override { return StepUpEnabled | StepDownEnabled; }

private:
    int lo_, hi_;
    bool correcting_ = false;
};

// A mask as the design writes it ("00:00": 0 a required digit, anything
// else a literal) in Qt's notation, with blanks as the placeholders.
QString qt_mask(const std::string& mask) {
    QString m;
    for (char c : mask) {
        if (c == '0') m += '9';
        else if (QString("AaNnXx90Dd#HhBb><!{}[]\\").contains(QChar(c))) m += QString("\\") + QChar(c);
        else m += QChar(c);
    }
    return m + "; ";
}

QRect geometry_of(const ControlDef& d, QWidget* w) {
    QSize hint = w->sizeHint();
    return QRect(d.rect.x, d.rect.y, d.rect.w > 0 ? d.rect.w : hint.width(), d.rect.h > 0 ? d.rect.h : hint.height());
}

}  // namespace

DialogWindow::DialogWindow(Dialog& dialog, const CaseSettings& cs, QWidget* parent)
    : QWidget(parent), dialog_(dialog), cs_(cs) {
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
    dialog_.env().hide = [this] { hide(); };
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { focus_changed(now); });
    qApp->installEventFilter(this);
    sync_from_model();
}

DialogWindow::~DialogWindow() {
    // Focus moves while the widgets go; this window no longer listens.
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
}

void DialogWindow::build() {
    const Form& form = dialog_.form();
    bindings_.reserve(form.controls().size());
    for (Control& c : dialog_.form().controls()) {
        Binding b;
        b.model = &c;
        b.widget = make_widget(b);
        if (b.widget) {
            b.widget->setObjectName(q(c.name()));
            sync(b);  // auto-sized controls need their text first
            b.widget->setGeometry(geometry_of(*c.def, b.widget));
        }
        bindings_.push_back(b);
    }
    attach_name_labels();
    // Boxes lie under everything; name labels lie on their captions.
    for (Binding& b : bindings_) {
        if (!b.widget) continue;
        if (b.model->kind() == Kind::GroupBox || b.model->kind() == Kind::Panel) b.widget->lower();
        if (b.model->kind() == Kind::NameLabel || b.model->kind() == Kind::Label) b.widget->raise();
    }
    // Tab order from the design; every other control takes the focus only
    // when clicked.
    const auto& order = dialog_.design().tab_order;
    for (Binding& b : bindings_) {
        if (!b.widget) continue;
        b.tab_stop = std::find(order.begin(), order.end(), b.model->name()) != order.end();
        if (b.radios.empty() && b.widget->focusPolicy() != Qt::NoFocus)
            b.widget->setFocusPolicy(b.tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
        // A radio group's buttons get theirs in sync(): Tab lands on the
        // selected one only.
    }
    // A radio group takes its place in the chain with all its buttons in a
    // row; those that are no tab stop are passed over.
    QWidget* prev = nullptr;
    for (const std::string& name : order) {
        Binding* b = nullptr;
        for (Binding& x : bindings_)
            if (x.model->name() == name) b = &x;
        if (!b || !b->widget) continue;
        std::vector<QWidget*> chain(b->radios.begin(), b->radios.end());
        if (chain.empty()) chain.push_back(b->widget);
        for (QWidget* w : chain) {
            if (prev) setTabOrder(prev, w);
            prev = w;
        }
    }
    for (Binding& b : bindings_) wire(b);
}

QWidget* DialogWindow::make_widget(Binding& b) {
    const ControlDef& d = *b.model->def;
    switch (d.kind) {
        case Kind::Label:
        case Kind::NameLabel: {
            auto* l = new QLabel(this);
            l->setTextFormat(Qt::PlainText);
            if (d.fixed_pitch) l->setFont(fixed_pitch_font());
            l->setFocusPolicy(Qt::NoFocus);
            return l;
        }
        case Kind::Panel: {
            auto* l = new QLabel(this);
            l->setTextFormat(Qt::PlainText);
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l->setAutoFillBackground(true);
            QPalette pal = l->palette();
            pal.setColor(QPalette::Window, pal.color(QPalette::Base));
            l->setPalette(pal);
            l->setAlignment(Qt::AlignCenter);
            l->setFont(fixed_pitch_font());
            return l;
        }
        case Kind::Edit:
        case Kind::MaskEdit: {
            auto* e = new QLineEdit(this);
            if (d.kind == Kind::MaskEdit) e->setInputMask(qt_mask(d.mask));
            return e;
        }
        case Kind::ComboEdit:
        case Kind::ComboList: {
            auto* c = new QComboBox(this);
            c->setEditable(d.kind != Kind::ComboList);
            if (c->isEditable()) {
                // What is typed stays exactly as typed: no completion from the list.
                c->setInsertPolicy(QComboBox::NoInsert);
                c->setCompleter(nullptr);
            }
            c->setMaxVisibleItems(12);
            return c;
        }
        case Kind::CheckBox:
            return new QCheckBox(this);
        case Kind::RadioGroup: {
            auto* box = new CaptionBox(this);
            box->setGeometry(d.rect.x, d.rect.y, d.rect.w, d.rect.h);
            if (d.fixed_pitch) box->setFont(fixed_pitch_font());
            b.group = new QButtonGroup(box);
            const int n = static_cast<int>(d.items.size());
            const int cols = std::max(1, d.columns);
            const int rows = std::max(1, (n + cols - 1) / cols);
            const int top = box->fontMetrics().height();
            const int row_h = std::max(1, (d.rect.h - top - 4) / rows);
            const int col_w = (d.rect.w - 16) / cols;
            for (int i = 0; i < n; ++i) {
                auto* r = new QRadioButton(box);
                r->setObjectName(q(d.name + "_" + std::to_string(i)));
                int col = i / rows, row = i % rows;
                int h = std::min(row_h, 17);
                r->setGeometry(8 + col * col_w, top + row * row_h + (row_h - h) / 2, col_w - 2, h);
                b.group->addButton(r, i);
                b.radios.push_back(r);
            }
            return box;
        }
        case Kind::GroupBox: {
            auto* box = new CaptionBox(this);
            box->setFocusPolicy(Qt::NoFocus);
            return box;
        }
        case Kind::Spin: {
            auto* sp = new SpinEdit(d.min, d.max, this);
            sp->setSingleStep(d.step);
            sp->setKeyboardTracking(true);
            return sp;
        }
        case Kind::Button: {
            auto* p = new QPushButton(this);
            p->setAutoDefault(false);
            p->setDefault(false);
            return p;
        }
        case Kind::HiddenList:
        case Kind::HiddenLabel:
            return nullptr;
    }
    return nullptr;
}

void DialogWindow::wire(Binding& b) {
    Control* m = b.model;
    const std::string name = m->name();
    QWidget* w = b.widget;
    if (!w) return;
    switch (m->kind()) {
        case Kind::Edit:
        case Kind::MaskEdit: {
            // A masked edit's text keeps its literals and shows blanks where
            // nothing was typed ("  :  "), as the builders expect.
            auto* e = static_cast<QLineEdit*>(w);
            connect(e, &QLineEdit::textChanged, this, [this, m, e](const QString& t) {
                if (!syncing_) m->text = s(m->kind() == Kind::MaskEdit ? e->displayText() : t);
            });
            break;
        }
        case Kind::ComboEdit:
        case Kind::ComboList: {
            auto* c = static_cast<QComboBox*>(w);
            connect(c, &QComboBox::currentTextChanged, this, [this, m](const QString& t) {
                if (!syncing_) m->text = s(t);
            });
            connect(c, &QComboBox::currentIndexChanged, this, [this, m, name](int i) {
                if (syncing_) return;
                m->selected = i;
                on_click(name);
            });
            break;
        }
        case Kind::CheckBox:
            connect(static_cast<QCheckBox*>(w), &QCheckBox::toggled, this, [this, m, name](bool on) {
                if (syncing_) return;
                m->checked = on;
                on_click(name);
            });
            break;
        case Kind::RadioGroup:
            connect(b.group, &QButtonGroup::idClicked, this, [this, m, name](int id) {
                if (syncing_) return;
                m->selected = id;
                on_click(name);
            });
            break;
        case Kind::Spin: {
            static_cast<SpinEdit*>(w)->on_typed(this, [this, m](const QString& t) {
                if (!syncing_) m->text = s(t);
            });
            break;
        }
        case Kind::Button: {
            auto* p = static_cast<QPushButton*>(w);
            if (name == "ButtonOK")
                connect(p, &QPushButton::clicked, this, [this] { on_ok(); });
            else if (name == "ButtonCancel")
                connect(p, &QPushButton::clicked, this, [this] { on_cancel(); });
            else
                connect(p, &QPushButton::clicked, this, [this, name] { on_click(name); });
            break;
        }
        default:
            break;
    }
}

void DialogWindow::sync_from_model(bool move_focus) {
    syncing_ = true;
    if (windowTitle() != q(dialog_.form().caption)) setWindowTitle(q(dialog_.form().caption));
    for (Binding& b : bindings_) sync(b);
    syncing_ = false;
    if (!move_focus) return;
    if (QWidget* w = widget(dialog_.form().focus)) {
        Binding* b = binding_of(w);
        if (b && !b->radios.empty()) {
            int i = std::max(0, b->model->selected);
            if (i < static_cast<int>(b->radios.size())) w = b->radios[static_cast<size_t>(i)];
        }
        if (!w->hasFocus() && isVisible()) w->setFocus(Qt::OtherFocusReason);
    }
}

void DialogWindow::sync(Binding& b) {
    const Control& m = *b.model;
    QWidget* w = b.widget;
    if (!w) return;
    if (w->isEnabled() != m.enabled) w->setEnabled(m.enabled);
    switch (m.kind()) {
        case Kind::Label:
        case Kind::NameLabel:
        case Kind::Panel: {
            auto* l = static_cast<QLabel*>(w);
            if (l->text() != shown_caption(b)) {
                l->setText(shown_caption(b));
                if (m.def->rect.w == 0) l->adjustSize();
            }
            break;
        }
        case Kind::Edit:
        case Kind::MaskEdit: {
            auto* e = static_cast<QLineEdit*>(w);
            const QString shown = m.kind() == Kind::MaskEdit ? e->displayText() : e->text();
            if (shown != q(m.text)) e->setText(q(m.text));
            // A disabled edit is painted in the button face, an enabled one
            // in the window colour.
            QPalette pal = e->palette();
            pal.setColor(QPalette::Base, m.enabled ? QApplication::palette().color(QPalette::Base)
                                                   : QApplication::palette().color(QPalette::Button));
            e->setPalette(pal);
            break;
        }
        case Kind::ComboEdit:
        case Kind::ComboList: {
            auto* c = static_cast<QComboBox*>(w);
            QStringList items;
            for (const std::string& it : m.items) items << q(it);
            QStringList now;
            for (int i = 0; i < c->count(); ++i) now << c->itemText(i);
            if (now != items) {
                c->clear();
                c->addItems(items);
            }
            if (c->isEditable()) {
                if (c->currentText() != q(m.text)) c->setEditText(q(m.text));
            } else if (c->currentIndex() != m.selected) {
                c->setCurrentIndex(m.selected);
            }
            QPalette pal = c->palette();
            pal.setColor(QPalette::Base, m.enabled ? QApplication::palette().color(QPalette::Base)
                                                   : QApplication::palette().color(QPalette::Button));
            c->setPalette(pal);
            break;
        }
        case Kind::CheckBox: {
            auto* cb = static_cast<QCheckBox*>(w);
            if (cb->text() != shown_caption(b)) cb->setText(shown_caption(b));
            if (cb->isChecked() != m.checked) cb->setChecked(m.checked);
            break;
        }
        case Kind::RadioGroup:
        case Kind::GroupBox: {
            static_cast<CaptionBox*>(w)->set_caption(shown_caption(b));
            // Tab reaches the group at its selected button (the first when
            // none is selected), from where the arrow keys move the choice.
            const int stop = m.selected >= 0 && m.selected < static_cast<int>(b.radios.size()) ? m.selected : 0;
            for (size_t i = 0; i < b.radios.size(); ++i) {
                QRadioButton* r = b.radios[i];
                const Qt::FocusPolicy policy =
                    b.tab_stop && static_cast<int>(i) == stop ? Qt::StrongFocus : Qt::ClickFocus;
                if (r->focusPolicy() != policy) r->setFocusPolicy(policy);
                if (r->text() != q(m.item(static_cast<int>(i)))) r->setText(q(m.item(static_cast<int>(i))));
                bool on = static_cast<int>(i) == m.selected;
                if (r->isChecked() != on) {
                    b.group->setExclusive(false);
                    r->setChecked(on);
                    b.group->setExclusive(true);
                }
            }
            break;
        }
        case Kind::Spin: {
            auto* sp = static_cast<SpinEdit*>(w);
            if (sp->text() != q(m.text)) sp->set_text(q(m.text));
            break;
        }
        case Kind::Button: {
            auto* p = static_cast<QPushButton*>(w);
            if (p->text() != q(m.caption)) p->setText(q(m.caption));
            break;
        }
        case Kind::HiddenList:
        case Kind::HiddenLabel:
            break;
    }
}

QString DialogWindow::shown_caption(const Binding& b) const {
    const std::string& caption = b.model->caption;
    if (b.gap_pad > 0)
        if (auto gap = caption_gap(caption))
            return q(caption.substr(0, gap->close)) + QString(b.gap_pad, ' ') + q(caption.substr(gap->close));
    return q(caption);
}

// Where the caption text of a control starts, relative to the dialog.
int DialogWindow::caption_left(const Binding& b) const {
    const ControlDef& d = *b.model->def;
    switch (d.kind) {
        case Kind::RadioGroup:
        case Kind::GroupBox:
            return d.rect.x + 8;
        case Kind::CheckBox: {
            QStyleOptionButton opt;
            opt.initFrom(b.widget);
            return d.rect.x + b.widget->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, b.widget).left();
        }
        default:
            return d.rect.x;
    }
}

// Puts every attribute-name label on the blank gap of the caption it names.
// The gap is widened with blanks when the fonts in use make it narrower than
// the label, so the label never covers the caption's text.
void DialogWindow::attach_name_labels() {
    for (Binding& label : bindings_) {
        if (label.model->kind() != Kind::NameLabel || !label.widget) continue;
        Binding* owner = binding_of(widget(label.model->def->owner));
        if (!owner) continue;
        const std::string& caption = owner->model->caption;
        const std::optional<CaptionGap> gap = caption_gap(caption);
        if (!gap) continue;
        QFontMetrics fm(owner->widget->font());
        const int before = fm.horizontalAdvance(q(caption.substr(0, gap->first)));
        const int need = label.widget->sizeHint().width();
        const int blank = std::max(1, fm.horizontalAdvance(' '));
        int gap_w = fm.horizontalAdvance(q(caption.substr(0, gap->close))) - before;
        if (gap_w < need) owner->gap_pad = (need - gap_w + blank - 1) / blank;
        gap_w += owner->gap_pad * blank;
        const int gap_x = caption_left(*owner) + before;
        const int y = owner->model->def->rect.y + (owner->model->kind() == Kind::CheckBox
                                                       ? (owner->widget->height() - fm.height()) / 2
                                                       : 0);
        const QSize size = label.widget->sizeHint();
        label.widget->setGeometry(gap_x + (gap_w - size.width()) / 2, y + (fm.height() - size.height()) / 2,
                                  size.width(), size.height());
        syncing_ = true;
        sync(*owner);
        syncing_ = false;
        if (owner->model->def->rect.w == 0) owner->widget->adjustSize();
    }
}

QWidget* DialogWindow::widget(const std::string& name) const {
    for (const Binding& b : bindings_)
        if (b.model->name() == name) return b.widget;
    return nullptr;
}

DialogWindow::Binding* DialogWindow::binding_of(QWidget* w) {
    for (; w && w != this; w = w->parentWidget())
        for (Binding& b : bindings_)
            if (b.widget == w) return &b;
    return nullptr;
}

void DialogWindow::focus_changed(QWidget* now) {
    Binding* b = binding_of(now);
    if (!b) return;
    Binding* old = binding_of(widget(dialog_.form().focus));
    dialog_.form().move_focus(b->model->name());
    if (old && old != b) {
        // Leaving a control may have settled what it holds (a spin edit).
        syncing_ = true;
        sync(*old);
        syncing_ = false;
    }
}

// A handler may run while the focus is on its way elsewhere (a combo box
// settles its choice as it loses the focus), so the focus is moved only
// when the handler itself moved it in the model.
void DialogWindow::on_click(const std::string& name) {
    const std::string focus_before = dialog_.form().focus;
    dialog_.click(name);
    if (dialog_.closed()) {
        close();
        return;
    }
    sync_from_model(dialog_.form().focus != focus_before);
}

void DialogWindow::on_ok() {
    if (dialog_.ButtonOKClick()) {
        close();
    } else {
        if (!isVisible()) show();
        sync_from_model();
    }
}

void DialogWindow::on_cancel() {
    dialog_.ButtonCancelClick();
    close();
}

bool DialogWindow::handle_key(int key) {
    switch (dialog_.FormShortCut(key)) {
        case KeyResult::NotTaken:
            return false;
        case KeyResult::PressFocused:
            if (auto* p = qobject_cast<QPushButton*>(widget(dialog_.form().focus))) p->click();
            return true;
        case KeyResult::Ok:
            on_ok();
            return true;
        case KeyResult::Cancel:
            on_cancel();
            return true;
    }
    return false;
}

bool DialogWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isVisible() && !QApplication::activePopupWidget() &&
        !QApplication::activeModalWidget()) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->window() == this) {
            auto* ke = static_cast<QKeyEvent*>(event);
            int key = 0;
            if (ke->key() == Qt::Key_Return || ke->key() == Qt::Key_Enter) key = 13;
            else if (ke->key() == Qt::Key_Escape) key = 27;
            // Enter and Escape whatever Shift or Ctrl say; Alt belongs to the
            // mnemonics.
            if (key && !(ke->modifiers() & Qt::AltModifier)) return handle_key(key);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void DialogWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    dialog_.FormShow(cs_);
    sync_from_model();
}

void DialogWindow::closeEvent(QCloseEvent* event) {
    dialog_.ButtonCancelClick();  // closing never calls the host
    event->accept();
    emit closed();
}

}  // namespace corvane
