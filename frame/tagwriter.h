// The tag writer: how every builder puts its start and end text together,
// one call per step.  Attribute names are read from the captions of their
// name labels (so they carry the attribute case the show step gave them);
// element words come from the vocabulary in the element case; line breaks
// are the host's, fetched afresh at each use.
#pragma once
#include <initializer_list>
#include <string>
#include <string_view>

#include "frame/form.h"

namespace corvane {

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
    const Form& f_;
    BuildContext& ctx_;
    std::string word_;
    TagTexts texts_;
};

}  // namespace corvane
