// The table of dialogs: one row per tag dialog.  Everything that lists the
// dialogs reads it: the switch dispatch (app/switches.cpp), /EDIT
// (app/editrun.cpp), the pictures (tools/shots.cpp), and the lists in the
// README, the manual page and the editor menus, which tools/lists.cpp writes
// from it and checks in the tests.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "common/casevocab.h"
#include "frame/design.h"

namespace corvane {

class Form;
struct StartTag;
struct TagAttribute;

// The submenus of the editors' HTML menu, in menu order.
enum class MenuFamily { Headings, Lists, Links, Images, ImageMaps, Tables, Forms, InputFields, Frames, Document, Sound };
// The submenu's name ("Headings, font, rule").
std::string_view family_name(MenuFamily family);

// What /EDIT needs besides the element's name to pick the dialog.
enum class EditWhen {
    Always,     // the name alone
    ValueIs,    // `attribute` holds `value` (any letter case, not bare)
    Has,        // the start tag has `attribute`
    Lacks,      // the start tag has no `attribute`
};

// Sets on a fresh form what the element's name or its attributes say and no
// clause reads back: the heading level, the cell kind; the item counts 0.
using EditPrepare = void (*)(Form& f, const StartTag& tag);

// An element that /EDIT opens the dialog for.
struct EditElement {
    std::string_view name;                // upper case; matched in any letter case
    EditWhen when = EditWhen::Always;
    std::string_view attribute = {};      // ValueIs, Has, Lacks
    std::string_view value = {};          // ValueIs
    bool when_absent = false;             // ValueIs: a tag without `attribute` matches too
    EditPrepare prepare = nullptr;
    // An empty element (IMG, INPUT, HR, ...): it never has an end tag, so a
    // start tag alone is the whole element, and the editors take the tag
    // under the cursor for it.  (LI and OPTION are written without an end
    // tag too, but may have one.)
    bool empty = false;

    // Whether a start tag of this element's name picks this row.
    bool matches(const StartTag& tag) const;
};

// The dialog's entry in the editors' HTML menu.
struct MenuPlace {
    MenuFamily family;
    int position;             // within the family, from 1
    std::string_view label;   // "Font"
};

struct DialogRow {
    std::string_view switch_name;     // "/FONT": matched whole and case-sensitively
    const DialogDesign& (*design)();
    std::string_view element;         // what it writes, as the switch lists name it
    std::vector<EditElement> edits;   // what /EDIT opens it for; none: it edits nothing
    MenuPlace menu;

    bool edit_target() const { return !edits.empty(); }
    // The caption the dialog shows, without the program's "Pelinor - HTML : "
    // in front ("フォント <FONT>").
    std::string caption_tail(const CaseSettings& cs = {}) const;
};

// Every tag dialog, in the order of the switch table.
const std::vector<DialogRow>& dialog_table();
// The same rows in the order of the editors' HTML menu: by family, then by
// position.
const std::vector<const DialogRow*>& dialogs_in_menu_order();
// The row of a switch, or nullptr.
const DialogRow* find_dialog(std::string_view switch_name);

// The dialog /EDIT opens for a start tag, and the element row that chose it.
struct EditChoice {
    const DialogRow* row = nullptr;
    const EditElement* element = nullptr;
    // No row matched, but rows of the tag's name exist: the attribute they
    // ask about (the TYPE of an INPUT), for the message; nullptr when the
    // tag has none.
    const TagAttribute* asked_about = nullptr;
};
EditChoice find_edit_dialog(const StartTag& tag);

}  // namespace corvane
