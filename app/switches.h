// The switch table: what the first command-line argument asks for.
#pragma once
#include <span>
#include <string>
#include <string_view>

#include "frame/design.h"

namespace corvane {

enum class Action { TagDialog, Comment };

struct SwitchRow {
    const char* name;                     // matched whole and case-sensitively
    Action action;
    const DialogDesign& (*design)();      // the dialog a tag-dialog switch opens
};

// The row whose switch equals `arg`, or nullptr.
const SwitchRow* find_switch(std::string_view arg);
// Every row, in table order.
std::span<const SwitchRow> all_switches();

// A first argument without a row: the error box's text names it exactly as
// it was passed; the run ends with -1 (255 as a POSIX shell sees it).
std::string bad_switch_text(std::string_view arg);
constexpr int kBadSwitchExit = -1;

}  // namespace corvane
