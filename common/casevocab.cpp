#include "common/casevocab.h"

#include <array>

#include "common/profile.h"

namespace corvane {

namespace {

constexpr std::array<const char*, WORD_COUNT> kWords = {
    "BR", "P", "DIV", "HR", "PRE", "H", "FONT", "BASEFONT", "B", "I",
    "S", "U", "TT", "BIG", "SMALL", "SUP", "SUB", "A", "IMG", "MAP",
    "AREA", "TABLE", "CAPTION", "TR", "TD", "TH", "UL", "DL", "DT", "DD",
    "OL", "LI", "FRAMESET", "FRAME", "NOFRAMES", "FORM", "INPUT", "SELECT", "OPTION", "TEXTAREA",
    "HTML", "HEAD", "TITLE", "DOCTYPE", "PUBLIC", "W3C", "IETF", "DTD", "EN", "BASE",
    "META", "BODY", "EMBED", "NOEMBED", "BGSOUND", "CLEAR", "ALIGN", "SIZE", "TYPE", "HTTP-EQUIV",
    "CONTENT", "NONE", "LEFT", "RIGHT", "ALL", "CENTER", "TEXT", "PASSWORD", "BUTTON", "CHECKBOX",
    "RADIO", "SUBMIT", "RESET", "IMAGE", "HIDDEN", "FILE", "CHARSET",
};

// Built at its first use, so that it is complete even for a static
// initialiser in another file (a dialog's design table) that runs first;
// read-only afterwards.
const std::array<std::string, 2 * WORD_COUNT>& entries() {
    static const std::array<std::string, 2 * WORD_COUNT> table = [] {
        std::array<std::string, 2 * WORD_COUNT> t;
        for (int k = 0; k < WORD_COUNT; ++k) {
            t[2 * k] = kWords[k];
            t[2 * k + 1] = to_lower_ascii(kWords[k]);
        }
        return t;
    }();
    return table;
}

int role_default(Role role) { return role == Role::Value ? 1 : 0; }

}  // namespace

int CaseSettings::of(Role role) const {
    switch (role) {
        case Role::Element: return element;
        case Role::Attribute: return attribute;
        case Role::Value: return value;
    }
    return 0;
}

bool CaseSettings::lower(Role role) const {
    int v = of(role);
    if (v != 0 && v != 1) v = role_default(role);
    return v == 1;
}

CaseSettings CaseSettings::effective() const {
    CaseSettings s;
    s.element = lower(Role::Element) ? 1 : 0;
    s.attribute = lower(Role::Attribute) ? 1 : 0;
    s.value = lower(Role::Value) ? 1 : 0;
    return s;
}

CaseSettings& current_case() {
    static CaseSettings settings;
    return settings;
}

const std::string& vocab_entry(int i) { return entries().at(static_cast<size_t>(i)); }

const std::string& word(int k, Role role, const CaseSettings& settings) {
    return entries().at(static_cast<size_t>(2 * k + (settings.lower(role) ? 1 : 0)));
}


std::string to_upper_ascii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

std::string to_lower_ascii(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

CaseSettings load_case_settings(const std::string& ini_path) {
    CaseSettings s;
    ProfileFile file(ini_path);
    s.element = file.read_int("Setup", "Element", 0);
    s.attribute = file.read_int("Setup", "Attribute", 0);
    s.value = file.read_int("Setup", "Value", 1);
    return s;
}

void save_case_settings(const std::string& ini_path, const CaseSettings& settings) {
    const CaseSettings s = settings.effective();
    ProfileFile file(ini_path);
    file.write_int("Setup", "Element", s.element);
    file.write_int("Setup", "Attribute", s.attribute);
    file.write_int("Setup", "Value", s.value);
    file.save();
}

}  // namespace corvane
