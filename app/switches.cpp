#include "app/switches.h"

#include <array>

#include "dialogs/dialogs.h"

namespace corvane {

namespace {
constexpr SwitchRow kSwitches[] = {
    {"/FONT", Action::TagDialog, TFormFONT},
    {"/Hn", Action::TagDialog, TFormHn},
    {"/BASE", Action::TagDialog, TFormBASE},
    {"/DL", Action::TagDialog, TFormDL},
    {"/A", Action::TagDialog, TFormA},
    {"/HR", Action::TagDialog, TFormHR},
    {"/UL", Action::TagDialog, TFormUL},
    {"/OL", Action::TagDialog, TFormOL},
    {"/LI", Action::TagDialog, TFormLI},
    {"/COMMENT", Action::Comment, nullptr},
};
}  // namespace

const SwitchRow* find_switch(std::string_view arg) {
    for (const SwitchRow& row : kSwitches)
        if (arg == row.name) return &row;
    return nullptr;
}

std::span<const SwitchRow> all_switches() { return kSwitches; }

}  // namespace corvane
