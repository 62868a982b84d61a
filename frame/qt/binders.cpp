#include "frame/qt/binders.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <limits>

#include "frame/layout.h"
#include "frame/viewcontroller.h"
#include "frame/qt/qtext.h"
#include "frame/qt/qtplatform.h"
#include "frame/qt/widgets.h"

namespace corvane {

QString Binding::shown_caption() const { return q(corvane::shown_caption(model->caption, gap_pad)); }

void Binding::sync() const {
    if (!widget || !binder) return;
    if (widget->isEnabled() != model->enabled) widget->setEnabled(model->enabled);
    binder->sync(*this);
}

namespace {

// Edits hold whatever is typed or pasted, however long; Qt's default
// would cut a text at 32767 characters without a word.
constexpr int kNoLimit = std::numeric_limits<int>::max();

// A disabled edit or combo box is painted in the button face, an enabled
// one in the window colour.
void paint_enabled(QWidget* w, bool enabled) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Base, QApplication::palette().color(enabled ? QPalette::Base : QPalette::Button));
    w->setPalette(pal);
}

class LabelBinder final : public Binder {
public:
    QWidget* make(Binding& b, QWidget* parent) const override {
        const ControlDef& d = *b.model->def;
        auto* l = new QLabel(parent);
        l->setTextFormat(Qt::PlainText);
        l->setFocusPolicy(Qt::NoFocus);
        if (d.kind == Kind::Panel) {
            // A sunken panel in the window colour, its caption centred.
            l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            l->setAutoFillBackground(true);
            QPalette pal = l->palette();
            pal.setColor(QPalette::Window, pal.color(QPalette::Base));
            l->setPalette(pal);
            l->setAlignment(Qt::AlignCenter);
            l->setFont(fixed_pitch_font());
        } else if (d.fixed_pitch) {
            l->setFont(fixed_pitch_font());
        }
        return l;
    }
    void wire(Binding&, BindingEvents&) const override {}
    void sync(const Binding& b) const override {
        auto* l = static_cast<QLabel*>(b.widget);
        const QString text = b.shown_caption();
        if (l->text() == text) return;
        l->setText(text);
        if (b.measured) lay_out_text(b);
    }
    void lay_out(Binding& b) const override { lay_out_text(b); }

private:
    static void lay_out_text(const Binding& b) {
        if (b.model->def->rect.w == 0) b.widget->adjustSize();
    }
};

class EditBinder final : public Binder {
public:
    QWidget* make(Binding& b, QWidget* parent) const override {
        auto* e = new QLineEdit(parent);
        e->setMaxLength(kNoLimit);
        if (b.model->kind() == Kind::MaskEdit) e->setInputMask(qt_mask(b.model->def->mask()));
        return e;
    }
    void wire(Binding& b, BindingEvents& events) const override {
        // A masked edit's text keeps its literals and shows blanks where
        // nothing was typed ("  :  "), as the builders expect.
        auto* e = static_cast<QLineEdit*>(b.widget);
        Control* m = b.model;
        QObject::connect(e, &QLineEdit::textChanged, e, [&events, m, e](const QString& t) {
            if (!events.syncing()) m->text = s(m->kind() == Kind::MaskEdit ? e->displayText() : t);
        });
    }
    void sync(const Binding& b) const override {
        auto* e = static_cast<QLineEdit*>(b.widget);
        const Control& m = *b.model;
        const QString shown = m.kind() == Kind::MaskEdit ? e->displayText() : e->text();
        if (shown != q(m.text)) e->setText(q(m.text));
        paint_enabled(e, m.enabled);
    }
};

class ComboBinder final : public Binder {
public:
    QWidget* make(Binding& b, QWidget* parent) const override {
        auto* c = new QComboBox(parent);
        c->setEditable(b.model->kind() == Kind::ComboEdit);
        if (c->isEditable()) {
            // What is typed stays exactly as typed: no completion from the list.
            c->setInsertPolicy(QComboBox::NoInsert);
            c->setCompleter(nullptr);
            c->lineEdit()->setMaxLength(kNoLimit);
        }
        c->setMaxVisibleItems(kComboVisibleItems);
        return c;
    }
    void wire(Binding& b, BindingEvents& events) const override {
        auto* c = static_cast<QComboBox*>(b.widget);
        Control* m = b.model;
        if (c->isEditable())
            QObject::connect(c, &QComboBox::currentTextChanged, c, [&events, m](const QString& t) {
                if (!events.syncing()) m->text = s(t);
            });
        QObject::connect(c, &QComboBox::currentIndexChanged, c, [&events, m](int i) {
            if (events.syncing()) return;
            m->selected = i;
            events.clicked(m->name());
        });
    }
    void sync(const Binding& b) const override {
        auto* c = static_cast<QComboBox*>(b.widget);
        const Control& m = *b.model;
        QStringList items;
        for (const std::string& it : m.items) items << q(it);
        QStringList now;
        for (int i = 0; i < c->count(); ++i) now << c->itemText(i);
        if (now != items) {
            c->clear();
            c->addItems(items);
            // Filling makes the first item current; an editable box keeps
            // the item last picked (none at first), so that Down from an
            // empty box picks the first item.
            if (c->isEditable()) c->setCurrentIndex(m.selected);
        }
        if (c->isEditable()) {
            if (c->currentText() != q(m.text)) c->setEditText(q(m.text));
        } else if (c->currentIndex() != m.selected) {
            c->setCurrentIndex(m.selected);
        }
        paint_enabled(c, m.enabled);
    }
};

class CheckBinder final : public Binder {
public:
    // Opaque, so that a check box standing on a group box's caption hides
    // the frame line behind its text.
    QWidget* make(Binding&, QWidget* parent) const override {
        auto* cb = new QCheckBox(parent);
        cb->setAutoFillBackground(true);
        return cb;
    }
    void wire(Binding& b, BindingEvents& events) const override {
        Control* m = b.model;
        QObject::connect(static_cast<QCheckBox*>(b.widget), &QCheckBox::toggled, b.widget, [&events, m](bool on) {
            if (events.syncing()) return;
            m->checked = on;
            events.clicked(m->name());
        });
    }
    void sync(const Binding& b) const override {
        auto* cb = static_cast<QCheckBox*>(b.widget);
        if (cb->text() != b.shown_caption()) cb->setText(b.shown_caption());
        if (cb->isChecked() != b.model->checked) cb->setChecked(b.model->checked);
    }
    int caption_left(const Binding& b) const override {
        QStyleOptionButton opt;
        opt.initFrom(b.widget);
        return b.widget->style()->subElementRect(QStyle::SE_CheckBoxContents, &opt, b.widget).left();
    }
};

// Radio groups and group boxes: a captioned frame; a radio group holds one
// button per item, in as many columns as designed, filled column by column.
class BoxBinder final : public Binder {
public:
    QWidget* make(Binding& b, QWidget* parent) const override {
        const ControlDef& d = *b.model->def;
        auto* box = new CaptionBox(parent);
        if (d.kind == Kind::GroupBox) {
            box->setFocusPolicy(Qt::NoFocus);
            return box;
        }
        box->setGeometry(d.rect.x, d.rect.y, d.rect.w, d.rect.h);
        if (d.fixed_pitch) box->setFont(fixed_pitch_font());
        b.group = new QButtonGroup(box);
        // The buttons are the box's children: a whole cell covers no control
        // the design puts beside an item.
        const int n = static_cast<int>(d.items().size());
        for (int i = 0; i < n; ++i) {
            auto* r = new QRadioButton(box);
            r->setObjectName(q(d.name + "_" + std::to_string(i)));
            r->setGeometry(0, 0, 0, 0);  // placed by lay_out; never sized to its text by show()
            b.group->addButton(r, i);
            b.radios.push_back(r);
        }
        return box;
    }
    // The cells stand below the caption, whose height is the font's.
    void lay_out(Binding& b) const override {
        if (b.radios.empty()) return;
        const std::vector<Rect> cells = radio_cells(*b.model->def, b.widget->fontMetrics().height());
        for (size_t i = 0; i < b.radios.size() && i < cells.size(); ++i)
            b.radios[i]->setGeometry(cells[i].x, cells[i].y, cells[i].w, cells[i].h);
    }
    void wire(Binding& b, BindingEvents& events) const override {
        if (!b.group) return;
        Control* m = b.model;
        QObject::connect(b.group, &QButtonGroup::idClicked, b.widget, [&events, m](int id) {
            if (events.syncing()) return;
            m->selected = id;
            events.clicked(m->name());
        });
    }
    void sync(const Binding& b) const override {
        const Control& m = *b.model;
        static_cast<CaptionBox*>(b.widget)->set_caption(b.shown_caption());
        // Tab reaches the group at its stop, from where the arrow keys move
        // the choice.
        const int n = static_cast<int>(b.radios.size());
        const int stop = radio_stop(m, n);
        for (int i = 0; i < n; ++i) {
            QRadioButton* r = b.radios[static_cast<size_t>(i)];
            const Qt::FocusPolicy policy = b.tab_stop && i == stop ? Qt::StrongFocus : Qt::ClickFocus;
            if (r->focusPolicy() != policy) r->setFocusPolicy(policy);
            if (r->text() != q(m.item(i))) r->setText(q(m.item(i)));
            const bool on = i == m.selected;
            if (r->isChecked() != on) {
                b.group->setExclusive(false);
                r->setChecked(on);
                b.group->setExclusive(true);
            }
        }
    }
    int caption_left(const Binding&) const override { return kCaptionInset; }
};

class SpinBinder final : public Binder {
public:
    QWidget* make(Binding& b, QWidget* parent) const override {
        const ControlDef& d = *b.model->def;
        auto* sp = new SpinEdit(d, parent);
        sp->setKeyboardTracking(true);
        return sp;
    }
    void wire(Binding& b, BindingEvents& events) const override {
        Control* m = b.model;
        auto* sp = static_cast<SpinEdit*>(b.widget);
        sp->on_typed(b.widget, [&events, m](const QString& t) {
            if (!events.syncing()) m->text = s(t);
        });
        sp->on_step([&events, m](int steps) { events.spin_stepped(m->name(), steps); });
    }
    void sync(const Binding& b) const override {
        auto* sp = static_cast<SpinEdit*>(b.widget);
        if (sp->text() != q(b.model->text)) sp->set_text(q(b.model->text));
    }
};

class ButtonBinder final : public Binder {
public:
    QWidget* make(Binding&, QWidget* parent) const override {
        auto* p = new QPushButton(parent);
        // Enter goes through the key hook, never to a default button.
        p->setAutoDefault(false);
        p->setDefault(false);
        return p;
    }
    void wire(Binding& b, BindingEvents& events) const override {
        auto* p = static_cast<QPushButton*>(b.widget);
        const ControlDef* def = b.model->def;
        QObject::connect(p, &QPushButton::clicked, p, [&events, def] { events.pressed(*def); });
    }
    void sync(const Binding& b) const override {
        auto* p = static_cast<QPushButton*>(b.widget);
        if (p->text() != q(b.model->caption)) p->setText(q(b.model->caption));
    }
};

}  // namespace

const Binder* binder_for(Kind kind) {
    static const LabelBinder label;
    static const EditBinder edit;
    static const ComboBinder combo;
    static const CheckBinder check;
    static const BoxBinder box;
    static const SpinBinder spin;
    static const ButtonBinder button;
    static const Binder* const by_family[kBinderFamilies] = {nullptr, &label, &edit, &combo,
                                                             &check,  &box,   &spin, &button};
    return by_family[static_cast<int>(binder_family(kind))];
}

}  // namespace corvane
