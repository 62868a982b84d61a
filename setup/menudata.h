// The editor's HTML menu data (Corvane.pld): the entries whose texts spell
// HTML words, rewritten in the user's letter case.
#pragma once
#include <string>
#include <vector>

#include "common/casevocab.h"

namespace corvane {

struct MenuDataEntry {
    std::string section;  // "Menu00" or "Edit00"
    std::string key;
    std::string value;    // UTF-8
};

// The 220 entries in writing order: the 108 of "Menu00", then the 112 of
// "Edit00", with every HTML word in the case that `settings` give its role.
std::vector<MenuDataEntry> menu_data(const CaseSettings& settings);

class ProfileFile;

// Sets menu_data(settings) in `file`, in the editor's code page (Shift_JIS);
// save() then puts it on disk.
void write_menu_data(ProfileFile& file, const CaseSettings& settings);

// Writes menu_data(settings) into the profile file at `pld_path` in the
// editor's code page (Shift_JIS), in one atomic write; every other line of
// the file stays as it was.  Throws ProfileWriteError when the file cannot
// be written, leaving it unchanged.
void generate_menu_data(const std::string& pld_path, const CaseSettings& settings);

}  // namespace corvane
