// The platform dialogs a dialog needs while it runs, behind one small
// interface so tests answer them without a window.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace corvane {

// The application's title: the title of its message boxes.
inline constexpr const char* kAppTitle = "Pelinor - HTML";

struct Rgb {
    int r = 0, g = 0, b = 0;
    bool operator==(const Rgb&) const = default;
};

struct FileFilter {
    std::string description;            // "html (*.htm*)"
    std::vector<std::string> patterns;  // "*.htm*"
};

class Platform {
public:
    virtual ~Platform() = default;
    // The colour-choice dialog, starting at `initial`; nullopt when cancelled.
    virtual std::optional<Rgb> choose_color(Rgb initial) = 0;
    // The file-open dialog with the first filter selected; the chosen file's
    // full path, or nullopt when cancelled.
    virtual std::optional<std::string> open_file(const std::string& initial_folder,
                                                 const std::vector<FileFilter>& filters) = 0;
    // An error raised while handling an event: a box with its text.
    virtual void show_error(const std::string& text) = 0;
    // A plain box with one OK button.
    virtual void show_message(const std::string& title, const std::string& text) = 0;
};

// A platform that answers every dialog with Cancel and shows nothing: for
// runs nobody watches (the design check, the fuzzers).
class QuietPlatform final : public Platform {
public:
    std::optional<Rgb> choose_color(Rgb) override { return std::nullopt; }
    std::optional<std::string> open_file(const std::string&, const std::vector<FileFilter>&) override {
        return std::nullopt;
    }
    void show_error(const std::string&) override {}
    void show_message(const std::string&, const std::string&) override {}
};

}  // namespace corvane
