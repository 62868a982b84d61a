// The form model: the current state of every control of one dialog.  The
// show step, the handlers and the tag builders act on it alone; the Qt view
// renders it and writes the user's edits back into it.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "common/casevocab.h"
#include "frame/design.h"

namespace corvane {

class HostLink;
class Platform;
struct TagLog;

struct Control {
    const ControlDef* def = nullptr;
    std::string caption;
    std::string text;        // edit, editable combo box and spin edit text
    std::vector<std::string> items;
    int selected = -1;       // list index; for combo boxes the item last picked
    bool checked = false;
    bool enabled = true;

    const std::string& name() const { return def->name; }
    Kind kind() const { return def->kind; }
    // Item i, or "" when there is no such item.
    const std::string& item(int i) const;
    // The spin edit's value: its text as a decimal integer, the minimum when
    // the text is not one, pulled within the limits.
    int spin_value() const;
    // Makes the spin edit's text show spin_value() (on focus loss, before OK).
    void settle_spin();
};

class Form {
public:
    explicit Form(const DialogDesign& design);

    const DialogDesign& design() const { return *design_; }
    Control& operator[](std::string_view name);
    const Control& operator[](std::string_view name) const;
    Control* find(std::string_view name);
    const Control* find(std::string_view name) const;
    std::vector<Control>& controls() { return controls_; }
    const std::vector<Control>& controls() const { return controls_; }

    std::string caption;     // window caption
    std::string focus;       // name of the control with the keyboard focus
    int left = 0, top = 0;   // window position on screen

    // Convenience accessors for builders.
    // The text of an edit, combo box or spin edit; a drop-down list's is
    // its selected item.
    const std::string& text(std::string_view name) const;
    const std::string& label(std::string_view name) const { return (*this)[name].caption; }
    int selected(std::string_view name) const { return (*this)[name].selected; }
    bool checked(std::string_view name) const { return (*this)[name].checked; }
    int spin(std::string_view name) const { return (*this)[name].spin_value(); }
    // Item `index` of list `name` ("" outside the list).
    const std::string& item(std::string_view name, int index) const { return (*this)[name].item(index); }
    // The value behind the selected item of `list`: the item of its hidden
    // twin twin_of(list) at the same index.
    const std::string& twin_value(std::string_view list) const;

    // The keyboard focus moves to `to`.  Leaving a spin edit pulls what it
    // holds within its limits (a text without a number becomes the minimum).
    void move_focus(std::string_view to);

private:
    const DialogDesign* design_;
    std::vector<Control> controls_;
};

// The dialog's omit box (kOmitBox) is there and checked.
bool end_tag_omitted(const Form& f);

// What the builders get besides the form.
struct BuildContext {
    const CaseSettings& cs;
    HostLink& host;
    // When set, the tag writer notes here what it writes and how each of its
    // clauses reads its attribute back (frame/tagwriter.h).
    TagLog* log = nullptr;

    const std::string& E(int w) const { return word(w, Role::Element, cs); }
    const std::string& A(int w) const { return word(w, Role::Attribute, cs); }
    const std::string& V(int w) const { return word(w, Role::Value, cs); }
    // The host line break, fetched afresh at each use.
    std::string crlf() const;
};

// " name=\"value\"": the attribute clause appended to start texts.
std::string attr(std::string_view name, std::string_view value);

}  // namespace corvane
