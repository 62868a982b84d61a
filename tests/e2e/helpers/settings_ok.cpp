// The settings dialog's OK in a process of its own, on the real files of a
// folder: the dialog is made as the window makes it, the three groups are
// set, and OK runs as a click on OK runs it.  The messages the window would
// show go to standard error; the exit code is the run's.  Used by the
// failing-disk tests, which need a process to limit, to run as another user
// and to watch for signals.
//   settings_ok FOLDER ELEMENT ATTRIBUTE VALUE [NEW_INI]
// With NEW_INI, another program's write comes between making the dialog
// (which reads Corvane.ini) and OK: NEW_INI's bytes replace Corvane.ini.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>

#include "frame/dialog.h"
#include "host/quiethost.h"
#include "setup/setup.h"

namespace {

class StderrPlatform final : public corvane::Platform {
public:
    std::optional<corvane::Rgb> choose_color(corvane::Rgb) override { return std::nullopt; }
    std::optional<std::string> open_file(const std::string&, const std::vector<corvane::FileFilter>&) override {
        return std::nullopt;
    }
    void show_error(const std::string& text) override { std::fprintf(stderr, "error: %s\n", text.c_str()); }
    void show_message(const std::string&, const std::string& text) override {
        std::fprintf(stderr, "message: %s\n", text.c_str());
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: settings_ok FOLDER ELEMENT ATTRIBUTE VALUE [wait]\n");
        return 2;
    }
    corvane::QuietHost host;
    StderrPlatform platform;
    corvane::Dialog dialog(corvane::TFormSetup(), host, platform);
    dialog.env().settings_folder = argv[1];
    dialog.create();
    const char* groups[] = {"RadioGroupElement", "RadioGroupAttribute", "RadioGroupValue"};
    for (int i = 0; i < 3; ++i) {
        dialog.form()[groups[i]].selected = std::atoi(argv[2 + i]);
        dialog.click(groups[i]);
    }
    if (argc > 5) {
        std::ifstream in(argv[5], std::ios::binary);
        std::ofstream out(std::string(argv[1]) + "/Corvane.ini", std::ios::binary | std::ios::trunc);
        out << in.rdbuf();
        if (!out.flush()) return 2;
    }
    dialog.ButtonOKClick();
    return dialog.exit_code();
}
