// Writes the lists of switches that stand outside the program from the table
// of dialogs (dialogs/table.h): the README's switch table and gallery table,
// the manual page's list, and the menus and element lists of the Vim and
// Emacs kits.  Each list stands in its file between two marker lines, and
// only the text between them is written.
//   corvane_lists ROOT           rewrites the lists in the source tree ROOT
//   corvane_lists --check ROOT   changes nothing; names every list that
//                                differs from the table, and ends with 1
// With --check it also wants a gallery picture for every dialog.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "dialogs/table.h"
#include "frame/dialog.h"

namespace {

using namespace corvane;
namespace fs = std::filesystem;

// What stands between the marker lines `start` and `end` of `file`.
struct List {
    const char* file;
    const char* start;  // the start marker line begins with it
    const char* end;    // the end marker line, whole
    std::function<std::string()> text;
};

std::string str(std::string_view v) { return std::string(v); }

// The two switches that are no dialog, as the switch lists show them.
constexpr const char* kCommentElement = "comment `<!-- -->` (no dialog)";

std::string readme_switches() {
    std::string s = "| Switch | Element | Dialog caption (default settings) |\n|---|---|---|\n";
    for (const DialogRow& r : dialog_table())
        s += "| `" + str(r.switch_name) + "` | " + str(r.element) + " | `" + dialog_caption(r.design(), {}) + "` |\n";
    s += "| `/COMMENT` | " + std::string(kCommentElement) + " | (none: the comment command runs at once) |\n";
    return s;
}

std::string readme_gallery() {
    std::string s = "| Switch | Element | Dialog |\n|---|---|---|\n";
    for (const DialogRow& r : dialog_table())
        s += "| `" + str(r.switch_name) + "` | " + str(r.element) + " | ![" + str(r.switch_name) +
             "](docs/gallery/" + r.design().class_name + ".png) |\n";
    s += "| (none) | the settings dialog | ![settings](docs/gallery/TFormSetup.png) |\n";
    return s;
}

// Text in a roff table cell: a minus sign and a backslash escaped.
std::string roff(std::string_view text) {
    std::string s;
    for (char c : text) {
        if (c == '\\') s += "\\e";
        else if (c == '-') s += "\\-";
        else s += c;
    }
    return s;
}

std::string manual_switches() {
    // Wrapped text blocks left-adjusted, not spread to the margin, and not
    // hyphenated.
    std::string s = ".na\n.nh\n.TS\nl l.\n\\fISwitch\\fR\t\\fIElement\\fR\n";
    for (const DialogRow& r : dialog_table()) {
        // A long text as a text block, which the table wraps to the page.
        const std::string element = roff(r.element);
        const std::string cell = element.size() > 40 ? "T{\n" + element + "\nT}" : element;
        s += "\\fB" + str(r.switch_name) + "\\fR\t" + cell + "\n";
    }
    s += "\\fB/COMMENT\\fR\tcomment <!\\-\\- \\-\\-> (no dialog, no display)\n";
    s += "\\fB/EDIT\\fR\tthe element the selection is, in its own dialog\n.TE\n.hy \\n[HY]\n.ad\n";
    return s;
}

// The empty elements /EDIT knows, in lower case, in menu order.
std::vector<std::string> empty_elements() {
    std::vector<std::string> names;
    for (const DialogRow* r : dialogs_in_menu_order())
        for (const EditElement& e : r->edits) {
            if (!e.empty) continue;
            std::string n;
            for (char c : e.name) n += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
            bool seen = false;
            for (const std::string& m : names) seen = seen || m == n;
            if (!seen) names.push_back(n);
        }
    return names;
}

std::string vim_string(std::string_view text) {
    std::string s = "'";
    for (char c : text) s += c == '\'' ? std::string("''") : std::string(1, c);
    return s + "'";
}

std::string vim_menu() {
    std::string s = "let s:table = [\n";
    for (const DialogRow* r : dialogs_in_menu_order())
        s += "      \\ [" + vim_string(family_name(r->menu.family)) + ", " + vim_string(r->menu.label) + ", " +
             vim_string(r->switch_name) + "],\n";
    s += "      \\ ['', 'Comment toggle', '/COMMENT'],\n      \\ ]\n";
    return s;
}

std::string vim_empty() {
    std::string s = "let s:empty_elements = [";
    const std::vector<std::string> names = empty_elements();
    for (size_t i = 0; i < names.size(); ++i) s += (i ? ", " : "") + vim_string(names[i]);
    return s + "]\n";
}

std::string lisp_string(std::string_view text) {
    std::string s = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') s += '\\';
        s += c;
    }
    return s + "\"";
}

// The families and their entries, each family on lines of at most 100
// characters, its later lines indented under its first entry.
std::string emacs_menu() {
    std::string s = "(defconst corvane-switches\n";
    const auto& rows = dialogs_in_menu_order();
    for (size_t i = 0; i < rows.size();) {
        const MenuFamily family = rows[i]->menu.family;
        std::string line = std::string(i == 0 ? "  '(" : "    ") + "(" + lisp_string(family_name(family));
        for (; i < rows.size() && rows[i]->menu.family == family; ++i) {
            const std::string entry =
                "(" + lisp_string(rows[i]->menu.label) + " . " + lisp_string(rows[i]->switch_name) + ")";
            if (line.size() + 1 + entry.size() + 2 > 100) {
                s += line + "\n";
                line = "     " + entry;
            } else {
                line += " " + entry;
            }
        }
        s += line + ")\n";
    }
    s += "    (nil (\"Comment toggle\" . \"/COMMENT\")))\n";
    s += "  \"Corvane's switches by family: (FAMILY (LABEL . SWITCH) ...).\n"
         "A nil family holds entries of the menu's top level.\")\n";
    return s;
}

std::string emacs_empty() {
    std::string s = "(defconst corvane--empty-elements\n  '(";
    const std::vector<std::string> names = empty_elements();
    for (size_t i = 0; i < names.size(); ++i) s += (i ? " " : "") + lisp_string(names[i]);
    return s + "))\n";
}

const std::vector<List>& lists() {
    static const std::vector<List> all = {
        {"README.md", "<!-- switches:start", "<!-- switches:end -->", readme_switches},
        {"README.md", "<!-- gallery:start", "<!-- gallery:end -->", readme_gallery},
        {"docs/corvane.1", ".\\\" switches:start", ".\\\" switches:end", manual_switches},
        {"contrib/vim/autoload/corvane.vim", "\" menu:start", "\" menu:end", vim_menu},
        {"contrib/vim/autoload/corvane.vim", "\" empty elements:start", "\" empty elements:end", vim_empty},
        {"contrib/emacs/corvane.el", ";; menu:start", ";; menu:end", emacs_menu},
        {"contrib/emacs/corvane.el", ";; empty elements:start", ";; empty elements:end", emacs_empty},
    };
    return all;
}

bool read_file(const fs::path& path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    out = s.str();
    return true;
}

// The first line where `want` and `have` differ, for the message.
std::string first_difference(const std::string& want, const std::string& have) {
    std::istringstream a(want), b(have);
    std::string la, lb;
    for (int n = 1;; ++n) {
        const bool ga = static_cast<bool>(std::getline(a, la)), gb = static_cast<bool>(std::getline(b, lb));
        if (!ga && !gb) return {};
        if (!ga || !gb || la != lb)
            return "line " + std::to_string(n) + " of the list: want \"" + (ga ? la : "(end)") + "\", have \"" +
                   (gb ? lb : "(end)") + "\"";
    }
}

}  // namespace

int main(int argc, char** argv) {
    const bool check = argc >= 2 && std::string(argv[1]) == "--check";
    if (argc != (check ? 3 : 2)) {
        std::fprintf(stderr, "usage: corvane_lists [--check] ROOT\n");
        return 2;
    }
    const fs::path root = argv[check ? 2 : 1];
    int wrong = 0;
    auto complain = [&](const std::string& what) {
        std::fprintf(stderr, "%s\n", what.c_str());
        ++wrong;
    };
    for (const List& l : lists()) {
        std::string text;
        if (!read_file(root / l.file, text)) {
            complain(std::string(l.file) + ": cannot be read");
            continue;
        }
        const size_t start = text.find(std::string("\n") + l.start);
        const size_t from = start == std::string::npos ? start : text.find('\n', start + 1);
        const size_t to = from == std::string::npos ? from : text.find(std::string("\n") + l.end + "\n", from);
        if (to == std::string::npos) {
            complain(std::string(l.file) + ": no lines \"" + l.start + "...\" and \"" + l.end + "\" around its list");
            continue;
        }
        const std::string have = text.substr(from + 1, to + 1 - (from + 1));
        const std::string want = l.text();
        if (have == want) continue;
        if (check) {
            complain(std::string(l.file) + ": the list after \"" + l.start + "\" is not the table of dialogs' (" +
                     first_difference(want, have) + "); scripts/lists rewrites it");
            continue;
        }
        text.replace(from + 1, have.size(), want);
        std::ofstream(root / l.file, std::ios::binary) << text;
        std::fprintf(stderr, "lists: %s rewritten after \"%s\"\n", l.file, l.start);
    }
    if (check)
        for (const DialogRow& r : dialog_table())
            if (!fs::exists(root / "docs/gallery" / (r.design().class_name + ".png")))
                complain("docs/gallery/" + r.design().class_name + ".png: no picture of " + str(r.switch_name) +
                         " (scripts/gallery draws it)");
    return wrong ? 1 : 0;
}
