// The attribute clauses of a tag dialog: one small struct per way an
// attribute is written from the dialog's controls.  Each dialog declares
// the clauses its builder can write (DialogDesign::clauses); the tag writer
// (frame/tagwriter.h) writes them and the read-back (frame/tagreadback.h)
// reads an attribute of an existing tag into the controls of the clause
// that writes it.  The names are control names of the dialog; an
// attribute's name is the caption of its name label `label`.
#pragma once
#include <string>
#include <variant>
#include <vector>

namespace corvane {

class Form;
struct StartTag;
struct TagAttribute;

namespace clause {

struct Own;
// A dialog's own reader: false when its controls cannot hold the value.
using Reader = bool (*)(Form& f, const Own& clause, const TagAttribute& a, const StartTag& tag);

// The text of an edit or combo box; nothing when it is empty.
struct Text {
    std::string control, label;
    bool operator==(const Text&) const = default;
};
// The text of an edit or combo box, written even when empty.
struct Always {
    std::string control, label;
    bool operator==(const Always&) const = default;
};
// The text with "%" when check box `box` is checked; nothing when empty.
struct Percent {
    std::string control, label, box;
    bool operator==(const Percent&) const = default;
};
// " NAME" alone when check box `box` is checked.
struct Bare {
    std::string box, label;
    bool operator==(const Bare&) const = default;
};
// The value behind the selected item of `list`; nothing for item 0.
struct Choice {
    std::string list, label;
    bool operator==(const Choice&) const = default;
};
// The value behind the selected item of `list`, item 0 included.
struct Pick {
    std::string list, label;
    bool operator==(const Pick&) const = default;
};
// The text of `control` under the name behind the selected item of `list`,
// written even when empty.
struct NamedText {
    std::string list, control;
    bool operator==(const NamedText&) const = default;
};
// The value behind the selected item of `sign` and the number of the
// selected item of `list`; nothing for item 0.
struct Sized {
    std::string list, sign, label;
    bool operator==(const Sized&) const = default;
};
// A spin edit's value when it is above 0, below 0 or not 0.
enum class Sign { Positive, Negative, NonZero };
struct Number {
    std::string spin, label;
    Sign when = Sign::Positive;
    bool operator==(const Number&) const = default;
};
// The text, written even when empty, when check box `box` is checked.
struct TextWhen {
    std::string box, control, label;
    bool operator==(const TextWhen&) const = default;
};
// The text unless it is `blank` (an empty masked edit).
struct TextUnless {
    std::string control, label, blank;
    bool operator==(const TextUnless&) const = default;
};
// A repeat group: the value behind its selected item, or for a group
// without values the caption of label `fixed` for its one middle item;
// the count spin's value for its last item; nothing for item 0.
struct Repeat {
    std::string group, spin, label, fixed;
    bool operator==(const Repeat&) const = default;
};
// `prefix` and the text; nothing when the text is empty.
struct Prefixed {
    std::string control, label, prefix;
    bool operator==(const Prefixed&) const = default;
};
// A pair the dialog always writes the same (TYPE="audio/midi").  The name
// and the value match in any letter case, as an attribute read back does.
struct Fixed {
    std::string name, value;
    bool operator==(const Fixed& o) const;
};
// Attributes the builder writes by hand, read back by the dialog's own
// reader: named by the caption of `label` or by the items of `names` (a
// list whose items are attribute names).
struct Own {
    Reader read = nullptr;
    std::string control;  // what the reader fills, when one control
    std::string label;
    std::string names;
    bool operator==(const Own&) const = default;
};

}  // namespace clause

using Clause = std::variant<clause::Text, clause::Always, clause::Percent, clause::Bare, clause::Choice,
                            clause::Pick, clause::NamedText, clause::Sized, clause::Number, clause::TextWhen,
                            clause::TextUnless, clause::Repeat, clause::Prefixed, clause::Fixed, clause::Own>;

// A list of clauses, and lists joined (a dialog's own after a shared part's).
using Clauses = std::vector<Clause>;
Clauses joined(Clauses first, const Clauses& then);

}  // namespace corvane
