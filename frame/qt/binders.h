// One binder per kind of control: how its widget is made from the design,
// how the user's changes reach the model, and how the model is shown.
#pragma once
#include <QWidget>
#include <string>
#include <vector>

#include "frame/form.h"
#include "frame/viewevents.h"

class QButtonGroup;
class QRadioButton;

namespace corvane {

class Binder;

// What the binders report to the window they live in.
using BindingEvents = ControlEvents;

// A control's model and the widget showing it.
struct Binding {
    Control* model = nullptr;
    const Binder* binder = nullptr;  // nullptr for the invisible kinds
    QWidget* widget = nullptr;
    QButtonGroup* group = nullptr;   // a radio group's buttons
    std::vector<QRadioButton*> radios;
    int gap_pad = 0;        // blanks added to the caption's gap for its name label
    bool tab_stop = false;  // in the design's tab order
    // The window has measured its texts (Binder::lay_out): from then on an
    // auto-sized control follows its text whenever that changes.
    bool measured = false;

    // The caption as shown: the model's, with the gap widened by gap_pad.
    QString shown_caption() const;
    void sync() const;
};

class Binder {
public:
    virtual ~Binder() = default;
    virtual QWidget* make(Binding& b, QWidget* parent) const = 0;
    virtual void wire(Binding& b, BindingEvents& events) const = 0;
    virtual void sync(const Binding& b) const = 0;
    // What follows the size of the texts: a radio group's buttons, an
    // auto-sized label.  Runs once, when the window has gone on screen.
    virtual void lay_out(Binding&) const {}
    // Where the caption text starts, relative to the control's left edge.
    virtual int caption_left(const Binding&) const { return 0; }
};

// The binder of a kind of control; nullptr for the invisible ones.
const Binder* binder_for(Kind kind);

}  // namespace corvane
