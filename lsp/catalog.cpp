#include "lsp/catalog.h"

#include "app/switches.h"
#include "dialogs/editrun.h"
#include "frame/dialog.h"
#include "frame/edit.h"
#include "frame/platform.h"
#include "frame/tagreader.h"

namespace corvane::lsp {

namespace {

// The editor's HTML menu, by switch.  The dialogs the menu data does not
// list stand beside their group: the map list after the area, the frame
// templates after the frame, the two plug-ins under the plug-in entry.
constexpr const char* kMenuOrder[] = {
    "/HR",         "/Hn",          "/FONT",         "/A",          "/IMG",           "/MAP",
    "/AREA",       "/MAPS",        "/TABLE",        "/CAPTION",    "/TR",            "/TDTH",
    "/UL",         "/OL",          "/LI",           "/DL",         "/FRAMESET",      "/FRAME",
    "/FRAMES",     "/FORM",        "/INPUTtext",    "/INPUTpassword", "/INPUTbutton", "/INPUTcheckbox",
    "/INPUTradio", "/INPUTsubmit", "/INPUTreset",   "/INPUTimage", "/INPUThidden",   "/INPUTfile",
    "/SELECT",     "/OPTION",      "/TEXTAREA",     "/HTML",       "/BASE",          "/BODY",
    "/LiveAudio",  "/MIDPLUG",     "/BGSOUND",
};

constexpr const char* kWithoutEndTag[] = {"IMG", "INPUT", "HR", "BASE", "AREA", "FRAME", "BGSOUND", "EMBED"};

}  // namespace

std::vector<DialogEntry> dialog_entries(const CaseSettings& cs) {
    std::vector<DialogEntry> out;
    const std::string prefix = std::string(kAppTitle) + " : ";
    auto add = [&](const SwitchRow& row) {
        std::string caption = dialog_caption(row.design(), cs);
        if (caption.compare(0, prefix.size(), prefix) == 0) caption.erase(0, prefix.size());
        out.push_back({row.name, caption});
    };
    for (const char* name : kMenuOrder)
        if (const SwitchRow* row = find_switch(name); row && row->action == Action::TagDialog) add(*row);
    // A dialog the menu order does not name yet still gets its action, last.
    for (const SwitchRow& row : all_switches()) {
        if (row.action != Action::TagDialog) continue;
        bool listed = false;
        for (const DialogEntry& e : out) listed = listed || e.switch_name == row.name;
        if (!listed) add(row);
    }
    return out;
}

bool edited_element(std::string_view name) {
    StartTag tag;
    tag.name = name;
    return edit_target(tag).design != nullptr || equal_ignoring_case(name, "INPUT");
}

bool without_end_tag(std::string_view name) {
    for (const char* n : kWithoutEndTag)
        if (equal_ignoring_case(name, n)) return true;
    return false;
}

std::string edit_refusal(std::string_view selection) {
    const FoundElement found = find_element(selection);
    if (!found.element) return found.refusal;
    return edit_target(found.element->tag).refusal;
}

}  // namespace corvane::lsp
