// The cases every view of a dialog must pass, whatever draws it: the Qt
// view (tests/gui) and the Win32 view (tests/win) each give a ViewDriver
// that works its toolkit as the user would, and run these same cases.
// Free of any test framework: a case reports what went wrong to a Report,
// which each test program turns into its own failures.
#pragma once
#include <algorithm>
#include <functional>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/switches.h"
#include "doubles.h"
#include "frame/dialog.h"
#include "setup/setup.h"

namespace corvane::test {

// What a case found wrong.
struct Report {
    std::vector<std::string> failures;
    std::string where;  // the case, the dialog, the step

    void check(bool ok, const std::string& what) {
        if (!ok) failures.push_back(where + ": " + what);
    }
    template <class A, class B>
    void equal(const A& got, const B& want, const std::string& what) {
        if (got == want) return;
        std::ostringstream s;
        s << what << ": \"" << got << "\", wants \"" << want << "\"";
        failures.push_back(where + ": " + s.str());
    }
};

// The keys a case presses, besides typing.
enum class Press { Enter, Escape, Tab, Up, Down };

// One view of one dialog, shown, and worked as the user works it.
class ViewDriver {
public:
    RecordingHost host;
    FakePlatform platform;
    CountedEvents run;

    virtual ~ViewDriver() = default;
    // Creates the dialog in `cs`, its view, and shows it.
    virtual void open(const DialogDesign& design, CaseSettings cs) = 0;
    virtual Dialog& dialog() = 0;
    // The keyboard focus to a control (a radio group's button `radio`).
    virtual void focus(const std::string& control, int radio = -1) = 0;
    // A key press and release at the focused control.
    virtual void press(Press key) = 0;
    // Characters typed at the focused control.
    virtual void type(const std::string& text) = 0;
    // A field's whole text replaced, as a paste over a selection does.
    virtual void paste(const std::string& control, const std::string& text) = 0;
    // A mouse click on a button, check box or radio button `radio`.
    virtual void click(const std::string& control, int radio = -1) = 0;
    virtual void close_box() = 0;

    // The control holding the keyboard focus ("" for none), and which of
    // its radio buttons (-1 for none).
    virtual std::string focused() = 0;
    virtual int focused_radio() = 0;
    // What a control shows: an edit's or combo box's text, a caption.
    virtual std::string shown(const std::string& control) = 0;
    virtual bool enabled(const std::string& control) = 0;
    virtual bool visible() = 0;
    // Whether a radio group's button `radio` is the group's tab stop.
    virtual bool tab_stop(const std::string& control, int radio) = 0;
    // Where a control is in the window's client area.
    virtual Rect rect(const std::string& control) = 0;
    virtual int gap_pad(const std::string& control) = 0;
};

// ---------------------------------------------------------------------------
// A dialog with one control of each kind.

inline void enable_edit(Form& f, DialogEnv&) { f["EditB"].enabled = f.checked("CheckBoxA"); }

inline TagTexts build_all(const Form& f, BuildContext&) {
    return {f.text("EditA") + "|" + f.text("MaskEditT") + "|" + f.text("CSpinEditN") + "|" +
                std::to_string(f.selected("RadioGroupR")) + "|" + f.text("ComboBoxL"),
            f.checked("CheckBoxA") ? "checked" : ""};
}

inline const DialogDesign& every_kind() {
    static const DialogDesign d{
        .class_name = "TFormEVERY",
        .caption = "Every kind ",
        .appended = {{W_FONT}},
        .client_w = 400,
        .client_h = 220,
        .controls = {
            label("Label1", "色 (   )", 8, 8),
            name_label("LabelBACKGROUND", "BACKGROUND", "Label1"),
            edit("EditA", {8, 28, 100, 21}),
            edit("EditB", {120, 28, 100, 21}),
            mask_edit("MaskEditT", {8, 56, 60, 21}, "00:00"),
            spin("CSpinEditN", {80, 56, 49, 21}, 0, 99, 5, 2),
            combo_list("ComboBoxL", {140, 56, 89, 20}, {"", "one", "two"}, 0),
            color_combo("ComboBoxCOLOR", {240, 56, 97, 20}),
            color_button("ButtonCOLOR", {340, 56, 49, 20}, "ComboBoxCOLOR"),
            check_box("CheckBoxA", "enable B", {8, 84, 0, 0}, true),
            radio_group("RadioGroupR", "R", {"a", "b", "c"}, {8, 104, 120, 80}, 0),
            ok_button(240, 180),
            cancel_button(320, 180),
        },
        .tab_order = {"EditA", "EditB", "MaskEditT", "CSpinEditN", "ComboBoxL", "ComboBoxCOLOR", "ButtonCOLOR",
                      "CheckBoxA", "RadioGroupR"},
        .build = build_all,
        .handlers = {{"CheckBoxA", enable_edit}},
    };
    return d;
}

// Every dialog of the switch table and the settings dialog.
inline std::vector<const DialogDesign*> all_designs() {
    std::vector<const DialogDesign*> designs;
    for (const SwitchRow& row : all_switches())
        if (row.action == Action::TagDialog) designs.push_back(&row.design());
    designs.push_back(&TFormSetup());
    return designs;
}

// ---------------------------------------------------------------------------
// The key hook: a key pressed in a control, and what reaches the host.

struct KeyCase {
    const char* what;
    const char* control;  // where the focus is
    int radio;            // its radio button, or -1
    const char* typed;    // typed there first
    Press key;
    int set_data;         // calls of pelr_SetData
    int closed;           // reports that the window has gone
    const char* start;    // what SetData received, when it was called
    const char* end;
};

inline const KeyCase kKeyCases[] = {
    {"Enter in an edit confirms with what was typed", "EditA", -1, "abc", Press::Enter, 1, 1, "abc||5|0|", "checked"},
    {"Enter in a check box confirms", "CheckBoxA", -1, "", Press::Enter, 1, 1, "||5|0|", "checked"},
    {"Enter on a radio button confirms", "RadioGroupR", 0, "", Press::Enter, 1, 1, "||5|0|", "checked"},
    {"Enter in a drop-down list confirms", "ComboBoxL", -1, "", Press::Enter, 1, 1, "||5|0|", "checked"},
    {"Enter in a colour box confirms", "ComboBoxCOLOR", -1, "red", Press::Enter, 1, 1, "||5|0|", "checked"},
    {"Escape in an edit never calls the host", "EditA", -1, "abc", Press::Escape, 0, 1, "", ""},
    {"Escape on a radio button never calls the host", "RadioGroupR", 0, "", Press::Escape, 0, 1, "", ""},
    {"Escape on the colour button never calls the host", "ButtonCOLOR", -1, "", Press::Escape, 0, 1, "", ""},
};

inline void key_cases(const std::function<std::unique_ptr<ViewDriver>()>& make, Report& r) {
    for (const KeyCase& c : kKeyCases) {
        r.where = c.what;
        std::unique_ptr<ViewDriver> v = make();
        v->open(every_kind(), {0, 0, 1});
        v->focus(c.control, c.radio);
        r.equal(v->focused(), std::string(c.control), "the focus");
        if (*c.typed) v->type(c.typed);
        v->press(c.key);
        r.equal(v->host.set_data_count, c.set_data, "SetData calls");
        r.equal(v->run.closed_count, c.closed, "closed");
        r.check(!v->visible(), "the window has gone");
        if (c.set_data) {
            r.equal(v->host.start, std::string(c.start), "start text");
            r.equal(v->host.end, std::string(c.end), "end text");
        }
    }
    {
        r.where = "the close box";
        std::unique_ptr<ViewDriver> v = make();
        v->open(every_kind(), {0, 0, 1});
        v->close_box();
        r.equal(v->run.closed_count, 1, "closed");
        r.equal(v->host.set_data_count, 0, "SetData calls");
    }
    {
        r.where = "Enter on the colour button presses it";
        std::unique_ptr<ViewDriver> v = make();
        v->open(every_kind(), {0, 0, 1});
        v->platform.colors.push_back(Rgb{255, 128, 0});
        v->focus("ButtonCOLOR");
        v->press(Press::Enter);
        r.equal(v->platform.color_initials.size(), size_t{1}, "colour dialogs");
        r.equal(v->run.closed_count, 0, "closed");
        r.equal(v->dialog().form().text("ComboBoxCOLOR"), std::string("#FF8000"), "the model");
        r.equal(v->shown("ComboBoxCOLOR"), std::string("#FF8000"), "the box");
        r.equal(v->focused(), std::string("ComboBoxCOLOR"), "the focus");
        // Enter now sits in the box and confirms.
        v->press(Press::Enter);
        r.equal(v->host.set_data_count, 1, "SetData calls");
    }
    {
        r.where = "a cancelled colour dialog changes nothing";
        std::unique_ptr<ViewDriver> v = make();
        v->open(every_kind(), {0, 0, 1});
        v->focus("ComboBoxCOLOR");
        v->type("blue");
        v->click("ButtonCOLOR");
        r.equal(v->platform.color_initials.size(), size_t{1}, "colour dialogs");
        r.equal(v->dialog().form().text("ComboBoxCOLOR"), std::string("blue"), "the model");
        r.equal(v->shown("ComboBoxCOLOR"), std::string("blue"), "the box");
        r.check(v->visible(), "the dialog stays");
    }
}

// ---------------------------------------------------------------------------
// Clicks, handlers, radio tab stops and the spin edit.

inline void control_cases(const std::function<std::unique_ptr<ViewDriver>()>& make, Report& r) {
    {
        r.where = "a click reaches the model and its handler";
        std::unique_ptr<ViewDriver> v = make();
        v->open(every_kind(), {0, 0, 1});
        v->click("CheckBoxA");
        r.check(!v->dialog().form().checked("CheckBoxA"), "unchecked in the model");
        r.check(!v->enabled("EditB"), "the handler disabled EditB");
        v->click("CheckBoxA");
        r.check(v->enabled("EditB"), "the handler enabled EditB");
    }
    {
        r.where = "a radio button's click moves the choice and the group's one tab stop";
        std::unique_ptr<ViewDriver> v = make();
        v->open(every_kind(), {0, 0, 1});
        r.check(v->tab_stop("RadioGroupR", 0) && !v->tab_stop("RadioGroupR", 2), "the stop at the choice");
        v->click("RadioGroupR", 2);
        r.equal(v->dialog().form().selected("RadioGroupR"), 2, "the choice");
        r.check(!v->tab_stop("RadioGroupR", 0) && v->tab_stop("RadioGroupR", 2), "the stop follows");
        v->focus("RadioGroupR", 2);
        v->press(Press::Up);
        r.equal(v->dialog().form().selected("RadioGroupR"), 1, "Up moves the choice");
        r.equal(v->focused_radio(), 1, "and the focus");
    }
    {
        r.where = "the spin edit steps and settles within its limits";
        std::unique_ptr<ViewDriver> v = make();
        v->open(every_kind(), {0, 0, 1});
        v->focus("CSpinEditN");
        v->press(Press::Up);
        r.equal(v->dialog().form().text("CSpinEditN"), std::string("7"), "one step up");
        for (int i = 0; i < 4; ++i) v->press(Press::Down);
        r.equal(v->dialog().form().text("CSpinEditN"), std::string("0"), "held at the minimum");
        v->paste("CSpinEditN", "150");
        r.equal(v->dialog().form().text("CSpinEditN"), std::string("150"), "as typed while in the field");
        v->focus("EditA");
        r.equal(v->dialog().form().text("CSpinEditN"), std::string("99"), "settled on leaving");
        r.equal(v->shown("CSpinEditN"), std::string("99"), "and shown so");
        v->focus("CSpinEditN");
        v->paste("CSpinEditN", "x");
        v->focus("EditA");
        r.equal(v->shown("CSpinEditN"), std::string("0"), "no number reads as the minimum");
    }
    {
        // The arrows step from the value the model reads, whatever the
        // field holds: no number is the minimum, beyond a limit the limit.
        r.where = "the spin edit steps from what the model reads";
        std::unique_ptr<ViewDriver> v = make();
        v->open(every_kind(), {0, 0, 1});
        v->focus("CSpinEditN");
        v->paste("CSpinEditN", "x");
        v->press(Press::Up);
        r.equal(v->dialog().form().text("CSpinEditN"), std::string("2"), "up from no number");
        r.equal(v->shown("CSpinEditN"), std::string("2"), "and shown so");
        v->paste("CSpinEditN", "150");
        v->press(Press::Down);
        r.equal(v->dialog().form().text("CSpinEditN"), std::string("97"), "down from beyond the maximum");
    }
    {
        r.where = "OK reads a spin edit typed into and not yet left";
        std::unique_ptr<ViewDriver> v = make();
        v->open(every_kind(), {0, 0, 1});
        v->focus("CSpinEditN");
        v->paste("CSpinEditN", "150");
        v->press(Press::Enter);
        r.equal(v->host.start, std::string("||99|0|"), "start text");
    }
}

// ---------------------------------------------------------------------------
// Every dialog, in the default and the flipped case settings: the focus
// on the first of the tab order, Tab through the design's tab order (a
// radio group entered at its choice), and each name label on its caption.

inline void every_dialog_cases(const std::function<std::unique_ptr<ViewDriver>()>& make, Report& r) {
    for (const DialogDesign* design : all_designs()) {
        for (CaseSettings cs : {CaseSettings{0, 0, 1}, CaseSettings{1, 1, 0}}) {
            r.where = design->class_name + " cs=" + std::to_string(cs.element) + std::to_string(cs.attribute) +
                      std::to_string(cs.value);
            std::unique_ptr<ViewDriver> v = make();
            v->open(*design, cs);
            const Form& form = v->dialog().form();
            std::vector<std::string> want;
            for (const std::string& n : design->tab_order)
                if (const Control* c = form.find(n); c && c->enabled && c->kind() != Kind::Panel &&
                                                     c->kind() != Kind::Label && c->kind() != Kind::GroupBox)
                    want.push_back(n);
            if (!want.empty()) r.equal(v->focused(), want.front(), "the focus at the start");
            // Tab goes round the order once and comes back.
            std::vector<std::string> got;
            for (size_t i = 0; i < want.size(); ++i) {
                const std::string now = v->focused();
                got.push_back(now);
                if (const Control* c = form.find(now); c && c->kind() == Kind::RadioGroup)
                    r.equal(v->focused_radio(), std::max(0, c->selected), now + " entered at its choice");
                v->press(Press::Tab);
            }
            std::string joined_got, joined_want;
            for (const std::string& n : got) joined_got += n + " ";
            for (const std::string& n : want) joined_want += n + " ";
            r.equal(joined_got, joined_want, "the tab order");
            if (!want.empty()) r.equal(v->focused(), want.front(), "Tab comes round");

            for (const ControlDef& d : design->controls) {
                if (d.kind != Kind::NameLabel) continue;
                const ControlDef* od = design->find(d.owner());
                if (!od) continue;
                const Rect l = v->rect(d.name), o = v->rect(od->name);
                // On the line of the owner's caption that holds the gap, right
                // of where the caption starts, within a box of designed width.
                const std::string& oc = od->caption;
                const auto gap = caption_gap(oc);
                const int lines = 1 + static_cast<int>(std::count(oc.begin(), oc.end(), '\n'));
                const int line = gap ? static_cast<int>(std::count(oc.begin(), oc.begin() + gap->first, '\n')) : 0;
                const int line_top = o.y + o.h * line / lines;
                r.check(l.x > o.x && l.y >= line_top - 2 && l.y <= line_top + 8 &&
                            (od->rect.w == 0 || l.x + l.w <= o.x + o.w),
                        d.name + " on the caption of " + od->name);
                r.check(l.x >= 0 && l.y >= 0 && l.x + l.w <= design->client_w && l.y + l.h <= design->client_h,
                        d.name + " inside the window");
            }
        }
    }
}

// A gap narrower than its name label is widened with blanks.
inline void narrow_gap_case(const std::function<std::unique_ptr<ViewDriver>()>& make, Report& r) {
    r.where = "a narrow gap is widened for its name label";
    std::unique_ptr<ViewDriver> v = make();
    v->open(every_kind(), {0, 0, 1});
    r.check(v->gap_pad("Label1") > 0, "blanks added");
    const Rect caption = v->rect("Label1"), name = v->rect("LabelBACKGROUND");
    r.check(name.x > caption.x && name.x + name.w < caption.x + caption.w, "the label within its caption");
}

// All of the above.
inline void view_cases(const std::function<std::unique_ptr<ViewDriver>()>& make, Report& r) {
    key_cases(make, r);
    control_cases(make, r);
    narrow_gap_case(make, r);
    every_dialog_cases(make, r);
}

}  // namespace corvane::test
