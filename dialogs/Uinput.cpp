// The ten input-field dialogs, TFormINPUTtext to TFormINPUTfile: one INPUT
// element each, with a TYPE word and a few attributes typed into edits.
// They are one family: the attribute controls are defined once below, each
// member is a row of the member table, and one builder serves all ten.
// Every text goes in as typed; an empty edit leaves its attribute out,
// except the image member's SRC.  There is no end text.
#include <algorithm>
#include <array>
#include <cstddef>
#include <utility>

#include "dialogs/dialogs.h"
#include "dialogs/parts.h"
#include "frame/tagwriter.h"

namespace corvane {

namespace {

// --- The attributes of the family and their controls -----------------------

enum class Attr { NAME, VALUE, SIZE, MAXLENGTH, CHECKED, SRC };

enum class Written {
    IfTyped,  // " A=\"text\"" when the edit is not empty
    Always,   // " A=\"text\"" even when empty
    Flag,     // " A" when the check box is checked
};

struct AttrDef {
    const char* name;     // the attribute, in upper case
    const char* label;    // the descriptive label holding the name label's gap
    const char* caption;  // its caption; the gap is on the last line
    Written written;
};

const AttrDef& def(Attr a) {
    static const AttrDef defs[] = {
        {"NAME", "Label1", "名前 (        )", Written::IfTyped},
        {"VALUE", "Label2", "値 (          )", Written::IfTyped},
        {"SIZE", "Label3", "桁数 (        )", Written::IfTyped},
        {"MAXLENGTH", "Label4", "最大桁数\n(               )", Written::IfTyped},
        // The gap sits under the check box "初期状態でﾁｪｯｸ".
        {"CHECKED", "Label5", "(            )", Written::Flag},
        {"SRC", "Label6", "画像URL (      )", Written::Always},
    };
    return defs[static_cast<size_t>(a)];
}

std::string edit_of(const AttrDef& a) { return std::string("Edit") + a.name; }
std::string box_of(const AttrDef& a) { return std::string("CheckBox") + a.name; }
std::string name_label_of(const AttrDef& a) { return std::string("Label") + a.name; }

// Where an attribute's controls stand in a member's window: their row at
// (x, y); an edit `w` wide, right of the captions.
struct Placed {
    Attr attr;
    int x, y, w;
};

constexpr int kEditLeft = 108;   // from the caption to its edit
constexpr int kLine = 12;        // one line of the dialog font
constexpr int kEditHeight = 21;

// The controls of one attribute.  The caption's last line is level with the
// edit; the name label sits on that line's gap (the view puts it there).
Group attribute_controls(const Placed& p) {
    const AttrDef& a = def(p.attr);
    const std::string caption = a.caption;
    const size_t lines = static_cast<size_t>(std::count(caption.begin(), caption.end(), '\n'));
    if (a.written == Written::Flag)  // the check box, the flag's name under its caption
        return parts::flag_box({a.name, "初期状態でﾁｪｯｸ", {p.x, p.y + 2, 0, 0}, a.label, caption, p.x + 16, p.y + 22});
    const int ly = p.y + 4 - static_cast<int>(lines) * kLine;
    Group g{
        label(a.label, caption, p.x, ly),
        name_label(name_label_of(a), a.name, a.label),
        edit(edit_of(a), {p.x + kEditLeft, p.y, p.w, kEditHeight}),
    };
    // SRC is browsed for among the images, as a URL relative to the edited
    // file; the chosen image itself is never read.
    if (p.attr == Attr::SRC)
        g.push_back(browse_button("ButtonSRC", {p.x + kEditLeft + p.w + 8, p.y, 49, kEditHeight}, edit_of(a),
                                  FilterList::Images));
    return g;
}

// --- The members --------------------------------------------------------------

struct Member {
    const char* type;     // the switch and the class name end in it
    const char* caption;  // caption text after "Pelinor - HTML : "
    int type_word;        // the TYPE value, spelled by the value case
    std::vector<Placed> attributes;  // in output order
    std::vector<std::string> tab_order;
    int client_w, client_h;
};

enum Index : size_t { kText, kPassword, kButton, kCheckbox, kRadio, kSubmit, kReset, kImage, kHidden, kFile, kCount };

const std::array<Member, kCount>& members() {
    using A = Attr;
    const std::vector<std::string> kNameValue = {"EditNAME", "EditVALUE"};
    const std::vector<std::string> kTextTabs = {"EditNAME", "EditVALUE", "EditSIZE", "EditMAXLENGTH"};
    const std::vector<std::string> kCheckTabs = {"EditNAME", "EditVALUE", "CheckBoxCHECKED"};
    // Text and password: NAME and VALUE on the left, SIZE and MAXLENGTH on
    // the right.  Check box and radio: the check box right of NAME.  Image:
    // SRC stands above NAME in the window although NAME is written first.
    static const std::array<Member, kCount> rows = {{
        {"text", "入力（ﾃｷｽﾄ）", W_TEXT,
         {{A::NAME, 16, 16, 90}, {A::VALUE, 16, 48, 90}, {A::SIZE, 226, 16, 50}, {A::MAXLENGTH, 226, 48, 50}},
         kTextTabs, 400, 117},
        {"password", "入力（ﾊﾟｽﾜｰﾄﾞ）", W_PASSWORD,
         {{A::NAME, 16, 16, 90}, {A::VALUE, 16, 48, 90}, {A::SIZE, 226, 16, 50}, {A::MAXLENGTH, 226, 48, 50}},
         kTextTabs, 400, 117},
        {"button", "入力（ﾎﾞﾀﾝ）", W_BUTTON, {{A::NAME, 16, 16, 195}, {A::VALUE, 16, 48, 195}}, kNameValue, 335, 119},
        {"checkbox", "入力（ﾁｪｯｸﾎﾞｯｸｽ）", W_CHECKBOX,
         {{A::NAME, 16, 16, 140}, {A::VALUE, 16, 48, 140}, {A::CHECKED, 280, 16, 0}}, kCheckTabs, 407, 120},
        {"radio", "入力（ﾗｼﾞｵﾎﾞﾀﾝ）", W_RADIO,
         {{A::NAME, 16, 16, 140}, {A::VALUE, 16, 48, 140}, {A::CHECKED, 280, 16, 0}}, kCheckTabs, 407, 120},
        {"submit", "入力（ｻﾌﾞﾐｯﾄ）", W_SUBMIT, {{A::VALUE, 16, 16, 200}}, {"EditVALUE"}, 340, 86},
        {"reset", "入力（ﾘｾｯﾄ）", W_RESET, {{A::VALUE, 16, 16, 200}}, {"EditVALUE"}, 340, 85},
        {"image", "入力（ｲﾒｰｼﾞ）", W_IMAGE, {{A::NAME, 16, 48, 140}, {A::SRC, 16, 16, 220}},
         {"EditSRC", "ButtonSRC", "EditNAME"}, 416, 134},
        {"hidden", "入力（隠しﾌｨｰﾙﾄﾞ）", W_HIDDEN, {{A::NAME, 16, 16, 90}, {A::VALUE, 16, 48, 90}}, kNameValue, 400,
         87},
        {"file", "入力（ﾌｧｲﾙ転送）", W_FILE, {{A::NAME, 16, 16, 200}, {A::SIZE, 16, 48, 40}}, {"EditNAME", "EditSIZE"},
         340, 107},
    }};
    return rows;
}

// --- The builder and the designs ---------------------------------------------

// The clause of each attribute of the member, in its order.
Clauses attribute_clauses(const Member& m) {
    Clauses clauses;
    for (const Placed& p : m.attributes) {
        const AttrDef& a = def(p.attr);
        switch (a.written) {
            case Written::IfTyped: clauses.push_back(clause::Text{edit_of(a), name_label_of(a)}); break;
            case Written::Always: clauses.push_back(clause::Always{edit_of(a), name_label_of(a)}); break;
            case Written::Flag: clauses.push_back(clause::Bare{box_of(a), name_label_of(a)}); break;
        }
    }
    return clauses;
}

// <INPUT TYPE="word" (in the attribute and the value case), then each
// attribute of the member in its order, then ">"; nothing after the
// selection.
TagTexts write(const Member& m, const Form& f, BuildContext& ctx) {
    return TagWriter(f, ctx, W_INPUT)
        .fixed(ctx.A(W_TYPE), ctx.V(m.type_word))
        .write(attribute_clauses(m))
        .close()
        .done();
}

template <size_t I>
TagTexts build(const Form& f, BuildContext& ctx) {
    return write(members()[I], f, ctx);
}

// OK and Cancel sit at the bottom right of every member.
DialogDesign design_of(const Member& m, Builder builder) {
    Controls controls;
    for (const Placed& p : m.attributes) {
        Group g = attribute_controls(p);
        controls.insert(controls.end(), g.begin(), g.end());
    }
    controls.push_back(ok_button(m.client_w - 169, m.client_h - 33));
    controls.push_back(cancel_button(m.client_w - 89, m.client_h - 33));
    return DialogDesign{
        .class_name = std::string("TFormINPUT") + m.type,
        .caption = std::string("Pelinor - HTML : ") + m.caption + " ",
        .appended = {.input_type = m.type_word},
        .client_w = m.client_w,
        .client_h = m.client_h,
        .controls = std::move(controls),
        .tab_order = m.tab_order,
        .build = builder,
        .clauses = joined({clause::Fixed{word(W_TYPE, Role::Attribute, {}), word(m.type_word, Role::Value, {})}},
                          attribute_clauses(m)),
    };
}

template <size_t I>
const DialogDesign& member() {
    static const DialogDesign d = design_of(members()[I], build<I>);
    return d;
}

}  // namespace

const DialogDesign& TFormINPUTtext() { return member<kText>(); }
const DialogDesign& TFormINPUTpassword() { return member<kPassword>(); }
const DialogDesign& TFormINPUTbutton() { return member<kButton>(); }
const DialogDesign& TFormINPUTcheckbox() { return member<kCheckbox>(); }
const DialogDesign& TFormINPUTradio() { return member<kRadio>(); }
const DialogDesign& TFormINPUTsubmit() { return member<kSubmit>(); }
const DialogDesign& TFormINPUTreset() { return member<kReset>(); }
const DialogDesign& TFormINPUTimage() { return member<kImage>(); }
const DialogDesign& TFormINPUThidden() { return member<kHidden>(); }
const DialogDesign& TFormINPUTfile() { return member<kFile>(); }

}  // namespace corvane
