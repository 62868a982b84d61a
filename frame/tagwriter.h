// The tag writer: how every builder puts its start and end text together,
// one call per step.  Attribute names are read from the captions of their
// name labels (so they carry the attribute case the show step gave them);
// element words come from the vocabulary in the element case; line breaks
// are the host's, fetched afresh at each use.  Each attribute operation is
// one kind of clause (frame/clause.h); a logged run notes each clause it
// was asked for, which tests hold against the dialog's declaration.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "frame/clause.h"
#include "frame/form.h"

namespace corvane {

// One attribute of the start text: its bytes [from, to).
struct WrittenAttribute {
    std::string name, value;
    size_t from = 0, to = 0;
};
// What a builder run wrote (BuildContext::log): each clause it was asked
// for, whether or not it wrote anything, and each attribute with its bytes.
struct TagLog {
    std::vector<Clause> clauses;
    std::vector<WrittenAttribute> written;
    size_t closed_at = std::string::npos;  // the first ">" of the start text
};

class TagWriter {
public:
    // Starts the start text with "<" and the element word.  The same element
    // closes the end tag.
    TagWriter(const Form& f, BuildContext& ctx, int element);
    // Starts an empty start text, for texts that begin with something other
    // than their element (a declaration); open() writes the first element.
    // end_tag() then writes nothing.
    TagWriter(const Form& f, BuildContext& ctx);

    // --- Attribute clauses: " NAME=\"value\"", NAME the caption of `label`.
    // The text of an edit or combo box; nothing when it is empty.
    TagWriter& text(std::string_view control, std::string_view label);
    // The text of an edit or combo box, written even when empty.
    TagWriter& always(std::string_view control, std::string_view label);
    // The text with "%" when the percent box `box` is checked; nothing when
    // the text is empty.
    TagWriter& percent(std::string_view control, std::string_view label, std::string_view box);
    // " NAME" alone when check box `box` is checked.
    TagWriter& bare(std::string_view box, std::string_view label);
    // The value behind the selected item of `list` (its twin's item);
    // nothing for item 0, "not specified".
    TagWriter& choice(std::string_view list, std::string_view label);
    // A spin edit's value; nothing when it is 0 or less.
    TagWriter& count(std::string_view spin, std::string_view label);
    // `prefix` and the text; nothing when the text is empty.
    TagWriter& prefixed(std::string_view control, std::string_view label, std::string_view prefix);
    // Any value under the name of `label`, written as given.
    TagWriter& value(std::string_view label, std::string_view value);
    // Any value under the name `name` itself, written as given.
    TagWriter& named(std::string_view name, std::string_view value);
    // A value the dialog always writes the same (TYPE="audio/midi").
    TagWriter& fixed(std::string_view name, std::string_view value);
    // The value behind the selected item of `list`, item 0 included.
    TagWriter& pick(std::string_view list, std::string_view label);
    // The text of `control` under the name behind the selected item of
    // `list` (COLS or ROWS), written even when empty.
    TagWriter& named_text(std::string_view list, std::string_view control);
    // The value behind the selected item of `sign` and the number of the
    // selected item of `list`; nothing for item 0.
    TagWriter& sized(std::string_view list, std::string_view sign, std::string_view label);
    // A spin edit's value when it is below 0 (`Sign::Negative`) or not 0.
    using Sign = clause::Sign;
    TagWriter& number(std::string_view spin, std::string_view label, Sign when);
    // The text, written even when empty, when check box `box` is checked.
    TagWriter& text_when(std::string_view box, std::string_view control, std::string_view label);
    // The text unless it is `blank` (an empty masked edit).
    TagWriter& text_unless(std::string_view control, std::string_view label, std::string_view blank);
    // A repeat group: the value behind its selected item (or, when `fixed`
    // names a label, its caption), the count spin's value for its last
    // item; nothing for item 0.
    TagWriter& repeat(std::string_view group, std::string_view spin, std::string_view label, std::string_view fixed);
    // A reader of the dialog's own for attributes that the builder writes
    // by value() or named().
    TagWriter& reads(clause::Own own);
    // A declared clause by the operation of its kind (a fixed pair in the
    // spelling declared), or each of a list in its order.
    TagWriter& write(const Clause& c);
    TagWriter& write(const Clauses& clauses);


    // --- The rest of the start text.
    TagWriter& close();                      // ">"
    TagWriter& open(int element);            // "<" and another element word
    TagWriter& closing(int element);         // "</" element word ">"
    TagWriter& put(std::string_view text);   // literal text
    TagWriter& line();                       // the host line break
    // `count` times each line: its indent, the caption of its label (an
    // element label such as "<LI>"), the host line break.
    struct Line {
        std::string_view indent;
        std::string_view label;
    };
    TagWriter& lines(int count, std::initializer_list<Line> each);

    // --- The end text.
    // "</" element ">" unless the dialog's omit box is checked.
    TagWriter& end_tag();
    // Literal text or the host line break appended to the end text.
    TagWriter& end_put(std::string_view text);
    TagWriter& end_line();
    // A block element: unless the omit box is checked, the host line break
    // after the start text, and "</" element ">" with a host line break as
    // the end text.  With the end tag omitted neither gets a line break.
    TagWriter& block();

    // The dialog's omit box is checked.
    bool omitted() const;
    // "</" element word ">" appended to the end text, whatever the omit box.
    TagWriter& end_closing(int element);

    const std::string& element() const { return word_; }
    TagTexts done() { return std::move(texts_); }

private:
    void offer(Clause c);
    void note(std::string_view name, std::string_view value, size_t from);

    const Form& f_;
    BuildContext& ctx_;
    std::string word_;
    TagTexts texts_;
};

}  // namespace corvane
