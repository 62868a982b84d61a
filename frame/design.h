// Design data of a dialog: what its controls are, where they sit, what they
// start with, and how the show step and the buttons treat them.  Each dialog
// unit holds one DialogDesign; the form model and the Qt view are built from it.
#pragma once
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "frame/clause.h"

namespace corvane {

class Form;
struct BuildContext;
struct DialogEnv;

enum class Kind {
    Label,        // static label
    NameLabel,    // attribute-name label, fixed-pitch, drawn over a caption's gap
    Edit,         // single-line edit
    MaskEdit,     // masked edit ("00:00")
    ComboEdit,    // editable combo box
    ComboList,    // drop-down list without typing
    CheckBox,
    RadioGroup,   // captioned group of radio buttons in one or more columns
    GroupBox,
    Spin,         // numeric spin edit
    Button,
    Panel,        // sunken panel showing a caption
    HiddenList,   // invisible twin list: the literal values behind a visible list
    HiddenLabel,  // invisible label holding a value
};

// How the show step adapts a control to the case settings.
enum class CaseRule {
    None,
    LowerWithAttribute,  // lowered when attribute names are lower case
    LowerWithElement,    // lowered when element names are lower case
    UpperWithValue,      // raised when values are upper case
};

// What a button does when pressed (besides a dialog's own click handler).
enum class ButtonRole {
    None,
    Ok,               // the tag OK (or the dialog's own OK handler)
    Cancel,           // closes the dialog without calling the host
    Color,            // colour dialog -> "#RRGGBB" into the target combo box
    BrowseUrl,        // open dialog -> URL relative to the edited file
    BrowsePath,       // open dialog -> path relative to the initial folder, focus the target
    BrowsePathStay,   // same, focus stays where it is
};
// A colour or browse button: it fills another control.
bool fills_target(ButtonRole role);

// Which list of filters a browse button's file-open dialog offers (the
// lists themselves: filters_of in frame/dialog.h).
enum class FilterList { None, Pages, Images, Scripts, Sounds, Midi };

struct Rect {
    int x = 0, y = 0, w = 0, h = 0;  // w or h 0: sized to the content
};

// Called after a file was chosen, before the relative URL is made (the image
// dialogs fill their size fields from the chosen file here).
using ChosenFileHook = void (*)(Form&, const std::string& chosen_path);

// Finds the control a colour or browse button fills from the pressed
// button's own name (one handler serving several buttons).
using TargetByName = std::string (*)(std::string_view button);

// What only some kinds of control carry, one struct per kind (ControlDef's
// `spec`).  The items of a combo box, radio group or hidden list:
struct ListSpec {
    std::vector<std::string> items;
    int selected = -1;               // initial item
    int columns = 1;                 // radio group
    bool has_twin = false;           // a hidden twin list twin_of(name) follows this list
    std::vector<std::string> twin_values;
};
struct CheckSpec {
    bool checked = false;
};
// A spin edit's limits and step; min == max means no limits.
struct SpinSpec {
    int min = 0, max = 0, step = 1;
    // Whether a value lies within the limits.
    bool within(long long value) const { return min == max || (value >= min && value <= max); }
    // A value pulled within the limits (and within an int).
    int clamped(long long value) const;
    // A value after `steps` steps up (down when negative).
    int stepped(int value, int steps) const;
};
struct MaskSpec {
    std::string mask;                // "00:00"
};
struct ButtonSpec {
    ButtonRole role = ButtonRole::None;
    std::string target;              // colour/browse button: the control it fills
    FilterList filter_list = FilterList::None;  // browse button
    ChosenFileHook on_chosen = nullptr;
    TargetByName target_by_name = nullptr;  // when set, it names the target instead of `target`
};
struct NameLabelSpec {
    std::string owner;               // the control whose caption holds its gap
};
using KindSpec = std::variant<std::monostate, ListSpec, CheckSpec, SpinSpec, MaskSpec, ButtonSpec, NameLabelSpec>;

struct ControlDef;
// Whether a control carries the data of its own kind (none for a kind
// without any) and no other kind's.
bool carries_its_kind_data(const ControlDef& d);

struct ControlDef {
    Kind kind = Kind::Label;
    std::string name;
    std::string caption;             // what a label, box or button shows
    std::string text;                // the initial text of an edit, masked edit or spin edit
    Rect rect;
    bool enabled = true;
    bool fixed_pitch = false;        // fixed-pitch font (name labels always)
    CaseRule case_rule = CaseRule::None;
    int case_first = 0, case_last = -1;  // item range the case rule touches (-1: to the end)
    KindSpec spec;                   // set by the constructor of the kind

    // The data of one kind; the other kinds read the empty defaults.
    const ListSpec& list() const;
    const SpinSpec& spin_spec() const;
    const ButtonSpec& button_spec() const;
    const std::vector<std::string>& items() const { return list().items; }
    bool checked() const;
    const std::string& mask() const;
    const std::string& owner() const;
    ButtonRole role() const { return button_spec().role; }
    // The control a colour or browse button fills.
    std::string filled() const;

    // Modifiers for the design tables.
    ControlDef& lower_with_attribute() { case_rule = CaseRule::LowerWithAttribute; return *this; }
    ControlDef& lower_with_element() { case_rule = CaseRule::LowerWithElement; return *this; }
    ControlDef& upper_with_value(int first = 0, int last = -1) {
        case_rule = CaseRule::UpperWithValue;
        case_first = first;
        case_last = last;
        return *this;
    }
    ControlDef& disabled() { enabled = false; return *this; }
    ControlDef& pitch_fixed() { fixed_pitch = true; return *this; }
    // A browse button's hook.
    ControlDef& chosen_hook(ChosenFileHook hook);
    // The button finds what it fills by its name when pressed.
    ControlDef& target_found_by(TargetByName find);
    // Declares the hidden twin list twin_of(name) holding, index for index, the
    // values behind this list's items.  The twin follows the list's case
    // rule, so a value list and its values always change case together.
    ControlDef& twin(std::vector<std::string> values);
};

// The controls of a design: single controls and shared groups of controls,
// spliced in the order written.  A list declared with a twin brings its
// hidden twin right after it.
class Controls {
public:
    // One control, or a group of them.
    struct Piece {
        std::vector<ControlDef> defs;
        Piece(ControlDef d);                // NOLINT: converts on purpose
        Piece(std::vector<ControlDef> g);   // NOLINT
        Piece(const Controls& g);           // NOLINT: a group spliced in
    };
    Controls() = default;
    Controls(std::initializer_list<Piece> pieces);

    using iterator = std::vector<ControlDef>::iterator;
    using const_iterator = std::vector<ControlDef>::const_iterator;
    iterator begin() { return defs_.begin(); }
    iterator end() { return defs_.end(); }
    const_iterator begin() const { return defs_.begin(); }
    const_iterator end() const { return defs_.end(); }
    size_t size() const { return defs_.size(); }
    bool empty() const { return defs_.empty(); }
    ControlDef& operator[](size_t i) { return defs_[i]; }
    const ControlDef& operator[](size_t i) const { return defs_[i]; }
    void push_back(ControlDef d) { defs_.push_back(std::move(d)); }
    template <class It>
    void insert(const_iterator at, It first, It last) {
        defs_.insert(at, first, last);
    }
    const std::vector<ControlDef>& defs() const { return defs_; }

private:
    std::vector<ControlDef> defs_;
};
// A group of controls that several designs share; written like a design's
// control list and spliced into it as one piece.
using Group = Controls;

// The blank gap of a caption such as "太さ (        )", "大きさ（     ）" or
// "矩形 (\"    \")": the byte offset of its first blank and of the closing
// parenthesis (or, between quotes, of the closing quote).
struct CaptionGap {
    size_t first = 0, close = 0;
};
std::optional<CaptionGap> caption_gap(std::string_view caption);

// The name of the hidden twin list of list `list`: the values behind its
// items, index for index.
std::string twin_of(std::string_view list);

// The check box "end tag omitted" of the dialogs whose element may go
// without its end tag; the tag writer leaves the end tag out while it is
// checked, and /EDIT checks it for an element without one.
inline constexpr const char* kOmitBox = "CheckBoxOmit";

// --- Constructors for the design tables -----------------------------------
ControlDef label(std::string name, std::string caption, int x, int y);
// Attribute-name label over the caption gap of control `over`: lowered with
// the attribute case.  It has no place of its own: the view puts it on the
// gap, measured with the fonts in use (ViewController::attach_name_labels).
ControlDef name_label(std::string name, std::string caption, std::string over);
// A label naming an element ("<LI>"): lowered with the element case.
ControlDef element_label(std::string name, std::string caption, int x, int y);
ControlDef edit(std::string name, Rect r, std::string text = {});
ControlDef mask_edit(std::string name, Rect r, std::string mask, std::string text = {});
ControlDef combo_edit(std::string name, Rect r, std::vector<std::string> items);
ControlDef combo_list(std::string name, Rect r, std::vector<std::string> items, int selected = 0);
// Colour combo box: the 22 colour names, raised with the value case.
ControlDef color_combo(std::string name, Rect r);
// Target combo box: an editable combo box of the four reserved frame names,
// raised with the value case.
ControlDef target_combo(std::string name, Rect r);
ControlDef check_box(std::string name, std::string caption, Rect r, bool checked = false);
// The omit box kOmitBox with its caption.
ControlDef omit_box(std::string caption, Rect r);
ControlDef radio_group(std::string name, std::string caption, std::vector<std::string> items, Rect r,
                       int selected = 0, int columns = 1);
ControlDef group_box(std::string name, std::string caption, Rect r);
ControlDef spin(std::string name, Rect r, int min, int max, int value = 0, int step = 1);
ControlDef button(std::string name, std::string caption, Rect r);
ControlDef color_button(std::string name, Rect r, std::string target);
ControlDef browse_button(std::string name, Rect r, std::string target, FilterList filter_list,
                         ButtonRole role = ButtonRole::BrowseUrl);
ControlDef panel(std::string name, std::string caption, Rect r);
ControlDef hidden_list(std::string name, std::vector<std::string> items);
ControlDef hidden_label(std::string name, std::string caption);
// ButtonOK "OK(&O)" and ButtonCancel "ｷｬﾝｾﾙ(&C)", 73 x 25 each.
ControlDef ok_button(int x, int y);
ControlDef cancel_button(int x, int y);

// The 22 colour names of every colour combo box, in list order.
const std::vector<std::string>& color_names();
// "_blank", "_top", "_parent", "_self": the items of every target combo box.
const std::vector<std::string>& target_names();

// --- Behaviour -------------------------------------------------------------
struct TagTexts {
    std::string start;
    std::string end;
};

// A dialog's tag builder: pure logic over the form, the case settings and
// the host line break.
using Builder = TagTexts (*)(const Form&, BuildContext&);
// A dialog's own click handler (enabling rules and the like).
using Handler = void (*)(Form&, DialogEnv&);
// Replaces the tag OK (the settings dialog).  May throw; the dialog then
// stays open and the error is shown.
using OkHandler = void (*)(Form&, DialogEnv&);

struct ClickHandler {
    std::string control;  // the radio group, check box or button clicked
    Handler handler;
};

// What the show step appends to a tag dialog's designed caption: "<WORD>"
// per element, joined by one blank; the heading dialog's "<Hn>"; the INPUT
// dialogs' <INPUT TYPE="type">.
struct CaptionTail {
    std::vector<int> elements;  // vocabulary words, in the element case
    bool heading = false;       // each element word followed by "n>"
    int input_type = -1;        // the type word of an INPUT dialog
};

struct DialogDesign {
    std::string class_name;     // "TFormFONT"
    std::string caption;        // designed caption (the show step appends to it)
    CaptionTail appended;
    int client_w = 0, client_h = 0;
    Controls controls;
    std::vector<std::string> tab_order;  // the first one gets the focus
    bool show_step = true;      // the settings dialog keeps its caption as designed
    Builder build = nullptr;
    // Every attribute clause the builder can write, whatever the form:
    // what /EDIT reads a start tag back with (frame/clause.h).
    Clauses clauses;
    std::vector<ClickHandler> handlers;
    Handler on_create = nullptr;  // extra creation work after placement
    OkHandler on_ok = nullptr;    // replaces the tag OK when set

    const ControlDef* find(std::string_view name) const;
    // A dialog with a browse button has an open dialog, whose initial folder
    // is the edited file's folder.
    bool has_open_dialog() const;
};

}  // namespace corvane
