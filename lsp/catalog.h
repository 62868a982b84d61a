// What the server offers, read from the program's tables: the tag dialogs
// in the order of the editor's HTML menu with their captions, and the
// elements /EDIT edits.  The one place the server meets those tables.
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

// An element /EDIT edits, by its name in any letter case (INPUT whatever
// its TYPE: /EDIT itself says which types it has no dialog for).
bool edited_element(std::string_view name);
// Written without an end tag: the start tag is the whole element.
bool without_end_tag(std::string_view name);

// The one line /EDIT refuses the text with, or empty when it edits it.
std::string edit_refusal(std::string_view selection);

}  // namespace corvane::lsp
