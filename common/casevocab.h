// Case settings and the case vocabulary: every HTML word Corvane writes, in
// the letter case the user chose for its role.
#pragma once
#include <string>
#include <string_view>

namespace corvane {

enum class Role { Element, Attribute, Value };

// 0 = upper case, 1 = lower case.  Any other value found in the settings file
// counts as that role's default (element 0, attribute 0, value 1).
struct CaseSettings {
    int element = 0;
    int attribute = 0;
    int value = 1;

    int of(Role role) const;        // the raw stored value
    bool lower(Role role) const;    // the effective choice: true = lower case
    // The same choices with every value other than 0 or 1 replaced by that
    // role's default, as the vocabulary reads them.
    CaseSettings effective() const;
};

// The process-wide settings: loaded once per tag-dialog run, overwritten only
// by the settings dialog.
CaseSettings& current_case();

// Vocabulary word numbers (entry 2k upper, 2k+1 lower).
enum Word : int {
    W_BR, W_P, W_DIV, W_HR, W_PRE, W_H, W_FONT, W_BASEFONT, W_B, W_I,
    W_S, W_U, W_TT, W_BIG, W_SMALL, W_SUP, W_SUB, W_A, W_IMG, W_MAP,
    W_AREA, W_TABLE, W_CAPTION, W_TR, W_TD, W_TH, W_UL, W_DL, W_DT, W_DD,
    W_OL, W_LI, W_FRAMESET, W_FRAME, W_NOFRAMES, W_FORM, W_INPUT, W_SELECT, W_OPTION, W_TEXTAREA,
    W_HTML, W_HEAD, W_TITLE, W_DOCTYPE, W_PUBLIC, W_W3C, W_IETF, W_DTD, W_EN, W_BASE,
    W_META, W_BODY, W_EMBED, W_NOEMBED, W_BGSOUND, W_CLEAR, W_ALIGN, W_SIZE, W_TYPE, W_HTTP_EQUIV,
    W_CONTENT, W_NONE, W_LEFT, W_RIGHT, W_ALL, W_CENTER, W_TEXT, W_PASSWORD, W_BUTTON, W_CHECKBOX,
    W_RADIO, W_SUBMIT, W_RESET, W_IMAGE, W_HIDDEN, W_FILE, W_CHARSET,
    WORD_COUNT
};

// Entry i of the 154-entry table (0 <= i < 154).
const std::string& vocab_entry(int i);
// Word k in the case that `settings` give the role.
const std::string& word(int k, Role role, const CaseSettings& settings);

// Only a-z / A-Z change; every other byte is left alone, so UTF-8 text keeps
// all its multi-byte characters.  Not for Shift_JIS bytes: a trail byte may
// be an ASCII letter (ア is 83 41); convert host text to UTF-8 first.
std::string to_upper_ascii(std::string_view text);
std::string to_lower_ascii(std::string_view text);

// Reads section "Setup", keys "Element", "Attribute", "Value" from an INI
// file.  Missing file, missing key or a non-integer text gives the default.
CaseSettings load_case_settings(const std::string& ini_path);

// Writes "Element", "Attribute", "Value" into section "Setup" of an INI file,
// in that order and in one atomic write, creating the file or the section
// when missing; every other line of the file stays.  A value other than 0 or
// 1 (a radio group left without a selection) is stored as the role's
// default, so the file always says what the program will use.  Throws
// ProfileWriteError when the file cannot be written.
void save_case_settings(const std::string& ini_path, const CaseSettings& settings);

}  // namespace corvane
