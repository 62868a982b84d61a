// What the server offers, read from the table of dialogs: the tag dialogs
// in the order of the editor's HTML menu with their captions, and the
// elements /EDIT edits.  The one place the server meets that table.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "common/casevocab.h"

namespace corvane::lsp {

struct DialogEntry {
    std::string switch_name;  // "/FONT"
    std::string title;        // the dialog's caption after "Pelinor - HTML : "
};

// Every tag dialog, in menu order, its caption in the case settings given.
std::vector<DialogEntry> dialog_entries(const CaseSettings& cs);
// A switch that opens a tag dialog.
bool dialog_switch(std::string_view name);

// An element /EDIT edits, by its name in any letter case (INPUT whatever
// its TYPE: /EDIT itself says which types it has no dialog for).
bool edited_element(std::string_view name);
// An empty element (IMG, INPUT, HR, ...): the start tag is the whole element.
bool without_end_tag(std::string_view name);

// Whether /EDIT refuses the text: it is no element, or one without a dialog.
bool edit_refuses(std::string_view selection);

}  // namespace corvane::lsp
