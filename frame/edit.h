// Editing an element already written: where its tags stand in a selection,
// reading its start tag into a dialog's form, and the rewritten tags.  The
// content between the tags and the bytes around them are never touched.
#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/form.h"
#include "frame/tagreader.h"
#include "frame/tagwriter.h"

namespace corvane {

struct DialogEnv;

// One element of a selection: a start tag alone, or a start tag, content and
// its end tag last; blanks and line breaks may stand around it.
struct Element {
    StartTag tag;                    // views into the selection
    size_t start_from = 0, start_to = 0;  // the start tag's bytes
    size_t end_from = 0, end_to = 0;      // the end tag's bytes (both start_to when none)
    bool has_end = false;
};

// The element the selection is, or the one line that says what it is instead.
struct FoundElement {
    std::optional<Element> element;
    std::string refusal;
};
FoundElement find_element(std::string_view selection);

// What reading a start tag into a form left: the attributes the dialog
// cannot hold, in their order, and what the dialog wrote when built from
// the values as read.
struct ReadBack {
    std::vector<size_t> kept;  // indices into the tag's attributes
    std::vector<bool> read;    // per attribute of the tag: its value went into the form
    TagLog as_read;
};

// Reads `tag` into `f` (already through the show step): each attribute
// goes to the clause the dialog declares for it (DialogDesign::clauses); the click handlers then
// run once so the enabling rules follow the values read.  An attribute that
// does not come back as it was when the form is built again stays as written.
ReadBack read_tag(Form& f, const StartTag& tag, const CaseSettings& cs, HostLink& host, DialogEnv& env);

// Runs the builder with a log.
TagTexts build_logged(const Form& f, const CaseSettings& cs, HostLink& host, TagLog& log);

// The rewritten start tag: the element and the attributes the dialog wrote,
// then the kept ones as written (a kept one drops out when the dialog now
// writes its name with a value of its own), then ">" or the "/>" it had.
// `raw` is the tag as the host wrote it, whose kept attributes go out byte
// for byte; `to_host` turns the dialog's UTF-8 into the host's bytes.
std::string rewritten_start_tag(const TagTexts& built, const TagLog& log, const ReadBack& read, const StartTag& raw,
                                const std::function<std::string(std::string_view)>& to_host);

// The rewritten end tag: "</" + the element the dialog wrote + ">", or
// nothing when the selection had none or the omit box is now checked.
std::string rewritten_end_tag(const TagTexts& built, const TagLog& log, const Form& f, bool had_end);

// The refusals' texts.
std::string refusal_text(std::string_view what);

}  // namespace corvane
