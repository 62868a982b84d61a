// The test doubles of the seams: the editor link and the platform dialogs.
// Free of any test framework, so that every test program uses them (the
// GoogleTest helpers are in fakes.h, the Windows test program has its own
// checks).
#pragma once
#include <deque>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "frame/platform.h"
#include "frame/viewevents.h"
#include "host/hostlink.h"

namespace corvane::test {

// Records every call; answers from its fields.
class RecordingHost : public HostLink {
public:
    std::string eol = "\r\n";
    std::string file_path_bytes;
    std::string selection;
    CodePage cp = CodePage::Utf8;
    int pos_left = 100, pos_top = 120;
    int pos_x = 10, pos_y = 20;

    std::vector<std::string> calls;  // "SetData", "GetCRLF", ...
    int set_data_count = 0;
    std::string start, end;          // what SetData received (host bytes)
    int asked_w = 0, asked_h = 0;    // GetPosAuto's size

    void SetData(const std::string& s, const std::string& e) override {
        calls.push_back("SetData");
        ++set_data_count;
        start = s;
        end = e;
    }
    std::string GetCRLF() override { calls.push_back("GetCRLF"); return eol; }
    std::string GetFilePath() override { calls.push_back("GetFilePath"); return file_path_bytes; }
    void GetPosAuto(int& l, int& t, int w, int h) override {
        calls.push_back("GetPosAuto");
        asked_w = w;
        asked_h = h;
        l = pos_left;
        t = pos_top;
    }
    int GetPosSize(int which) override {
        calls.push_back("GetPosSize(" + std::to_string(which) + ")");
        return which == 0 ? pos_x : pos_y;
    }
    int GetBufSize(int) override { calls.push_back("GetBufSize"); return static_cast<int>(selection.size()); }
    std::string GetData(int size) override {
        calls.push_back("GetData");
        if (size < 0) return {};
        std::string s = selection.substr(0, static_cast<size_t>(size));
        return s.substr(0, s.find('\0'));
    }
    CodePage code_page() const override { return cp; }
};

// Answers the platform dialogs from queues; records what was asked.
class FakePlatform : public Platform {
public:
    std::deque<std::optional<Rgb>> colors;          // answers of choose_color
    std::deque<std::optional<std::string>> files;   // answers of open_file
    std::vector<Rgb> color_initials;
    std::vector<std::string> file_folders;
    std::vector<std::vector<FileFilter>> file_filter_lists;
    std::vector<std::string> errors;
    std::vector<std::pair<std::string, std::string>> messages;

    std::optional<Rgb> choose_color(Rgb initial) override {
        color_initials.push_back(initial);
        if (colors.empty()) return std::nullopt;
        auto c = colors.front();
        colors.pop_front();
        return c;
    }
    std::optional<std::string> open_file(const std::string& folder, const std::vector<FileFilter>& filters) override {
        file_folders.push_back(folder);
        file_filter_lists.push_back(filters);
        if (files.empty()) return std::nullopt;
        auto f = files.front();
        files.pop_front();
        return f;
    }
    void show_error(const std::string& text) override { errors.push_back(text); }
    void show_message(const std::string& title, const std::string& text) override { messages.emplace_back(title, text); }
};

// Counts the events between a view and its run: as a view's run, the
// view's reports that its window has gone; as a view, the dialog's hides.
struct CountedEvents final : ViewEvents {
    int closed_count = 0;
    int hides = 0;
    void closed() override { ++closed_count; }
    void hide() override { ++hides; }
};

}  // namespace corvane::test
