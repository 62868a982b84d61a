#include "lsp/catalog.h"

#include "dialogs/table.h"
#include "frame/edit.h"
#include "frame/tagreader.h"

namespace corvane::lsp {

namespace {

const EditElement* edit_element(std::string_view name) {
    for (const DialogRow& row : dialog_table())
        for (const EditElement& e : row.edits)
            if (equal_ignoring_case(e.name, name)) return &e;
    return nullptr;
}

}  // namespace

std::vector<DialogEntry> dialog_entries(const CaseSettings& cs) {
    std::vector<DialogEntry> out;
    for (const DialogRow* row : dialogs_in_menu_order()) out.push_back({std::string(row->switch_name), row->caption_tail(cs)});
    return out;
}

bool dialog_switch(std::string_view name) { return find_dialog(name) != nullptr; }

bool edited_element(std::string_view name) { return edit_element(name) != nullptr; }

bool without_end_tag(std::string_view name) {
    const EditElement* e = edit_element(name);
    return e && e->empty;
}

bool edit_refuses(std::string_view selection) {
    const FoundElement found = find_element(selection);
    return !found.element || !find_edit_dialog(found.element->tag).row;
}

}  // namespace corvane::lsp
