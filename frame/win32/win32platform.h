// The platform dialogs on Win32: the colour dialog, the file-open dialog
// and the message boxes, owned by the dialog's window.
#pragma once
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>

#include "frame/platform.h"

namespace corvane {

class Win32Platform final : public Platform {
public:
    void set_owner(HWND owner) { owner_ = owner; }
    std::optional<Rgb> choose_color(Rgb initial) override;
    std::optional<std::string> open_file(const std::string& initial_folder,
                                         const std::vector<FileFilter>& filters) override;
    void show_error(const std::string& text) override;
    void show_message(const std::string& title, const std::string& text) override;

private:
    HWND owner_ = nullptr;
};

// The filter text of the file-open dialog: description, NUL, patterns
// joined by ';', NUL, ..., and a second NUL at the end.
std::wstring open_filter_text(const std::vector<FileFilter>& filters);

// An error box (error icon, one OK button) whose top-left corner is at
// (x, y); a negative coordinate leaves that edge where the system puts it,
// which centres the box on the screen.
void error_box_at(const std::string& title, const std::string& text, int x, int y);

}  // namespace corvane
