// What the UL and OL dialogs share after their attributes: the start tag
// closed on a line of its own, as many empty item lines as `CSpinEditLI`
// asks for, each " <LI>", and the list's end tag on a line of its own.
#pragma once
#include "frame/tagwriter.h"

namespace corvane::lists {

inline TagTexts with_items(TagWriter& t, const Form& f) {
    return t.close().line().lines(f.spin("CSpinEditLI"), {{" ", "LabelLI"}}).end_tag().end_line().done();
}

}  // namespace corvane::lists
