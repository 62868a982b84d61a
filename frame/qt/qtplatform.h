// The platform dialogs on Qt.
#pragma once
#include <QWidget>

#include "frame/platform.h"

namespace corvane {

class QtPlatform final : public Platform {
public:
    void set_parent(QWidget* parent) { parent_ = parent; }
    std::optional<Rgb> choose_color(Rgb initial) override;
    std::optional<std::string> open_file(const std::string& initial_folder,
                                         const std::vector<FileFilter>& filters) override;
    void show_error(const std::string& text) override;
    void show_message(const std::string& title, const std::string& text) override;

private:
    void give_back_keyboard();
    QWidget* parent_ = nullptr;
};

// True when nobody can see or answer a window (offscreen, minimal platform):
// message boxes then go to standard error instead of waiting for a click.
bool headless_platform();

// Font set-up for every window: "ＭＳ Ｐゴシック" / "ＭＳ ゴシック" 12 px, with
// the IPA Gothic fonts standing in where the originals are missing.
void install_font_substitutes();
QFont dialog_font();
QFont fixed_pitch_font();

}  // namespace corvane
