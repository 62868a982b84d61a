// Every switch of the start-up table, run as the editor runs it: the built
// corvane with the stand-in link on a virtual X display (Xvfb), its window
// found and keyed with xdotool.  Each dialog must come up with its caption in
// the default and in the flipped case settings, and Escape must hand the
// selection back unchanged with exit code 0; a misspelt or wrongly cased
// switch must show the error box and end with 255.
//
// The test starts its own X servers on display numbers it finds free, one
// per worker, and ends them when it is done; without Xvfb or xdotool it is
// skipped (scripts/test installs both).
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#ifdef __linux__
#include <sys/prctl.h>
#endif

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "common/launcher.h"
#include "app/switches.h"
#include "frame/dialog.h"
#include "run_process.h"

namespace {

namespace fs = std::filesystem;
using corvane::test::ProcessOptions;
using corvane::test::ProcessResult;
using corvane::test::run_process;

// Switch, caption with the default case settings (element and attribute
// names upper, values lower), caption with all three flipped.
struct SwitchRow {
    const char* name;
    const char* caption;
    const char* flipped;
};
const SwitchRow kSwitches[] = {
    {"/FONT", "Pelinor - HTML : フォント <FONT>", "Pelinor - HTML : フォント <font>"},
    {"/Hn", "Pelinor - HTML : 見出し <Hn>", "Pelinor - HTML : 見出し <hn>"},
    {"/AREA", "Pelinor - HTML : ｲﾒｰｼﾞﾏｯﾌﾟ追加 <AREA>", "Pelinor - HTML : ｲﾒｰｼﾞﾏｯﾌﾟ追加 <area>"},
    {"/BASE", "Pelinor - HTML : 基準URL <BASE>", "Pelinor - HTML : 基準URL <base>"},
    {"/BGSOUND", "Pelinor - HTML : BGM <BGSOUND>", "Pelinor - HTML : BGM <bgsound>"},
    {"/BODY", "Pelinor - HTML : 本体部 <BODY>", "Pelinor - HTML : 本体部 <body>"},
    {"/CAPTION", "Pelinor - HTML : ﾃｰﾌﾞﾙ表題 <CAPTION>", "Pelinor - HTML : ﾃｰﾌﾞﾙ表題 <caption>"},
    {"/DL", "Pelinor - HTML : 定義ﾘｽﾄ <DL>", "Pelinor - HTML : 定義ﾘｽﾄ <dl>"},
    {"/FORM", "Pelinor - HTML : ﾌｫｰﾑ <FORM>", "Pelinor - HTML : ﾌｫｰﾑ <form>"},
    {"/FRAME", "Pelinor - HTML : ﾌﾚｰﾑ <FRAME>", "Pelinor - HTML : ﾌﾚｰﾑ <frame>"},
    {"/FRAMES", "Pelinor - HTML : ﾌﾚｰﾑひな形作成<FRAMESET> <FRAME>", "Pelinor - HTML : ﾌﾚｰﾑひな形作成<frameset> <frame>"},
    {"/FRAMESET", "Pelinor - HTML : ﾌﾚｰﾑｾｯﾄ <FRAMESET>", "Pelinor - HTML : ﾌﾚｰﾑｾｯﾄ <frameset>"},
    {"/A", "Pelinor - HTML : リンク＆アンカー <A>", "Pelinor - HTML : リンク＆アンカー <a>"},
    {"/INPUTtext", "Pelinor - HTML : 入力（ﾃｷｽﾄ） <INPUT TYPE=\"text\">", "Pelinor - HTML : 入力（ﾃｷｽﾄ） <input type=\"TEXT\">"},
    {"/HTML", "Pelinor - HTML : ひな形HTML作成 <HTML>", "Pelinor - HTML : ひな形HTML作成 <html>"},
    {"/IMG", "Pelinor - HTML : 画像 <IMG>", "Pelinor - HTML : 画像 <img>"},
    {"/INPUTbutton", "Pelinor - HTML : 入力（ﾎﾞﾀﾝ） <INPUT TYPE=\"button\">", "Pelinor - HTML : 入力（ﾎﾞﾀﾝ） <input type=\"BUTTON\">"},
    {"/INPUTcheckbox", "Pelinor - HTML : 入力（ﾁｪｯｸﾎﾞｯｸｽ） <INPUT TYPE=\"checkbox\">", "Pelinor - HTML : 入力（ﾁｪｯｸﾎﾞｯｸｽ） <input type=\"CHECKBOX\">"},
    {"/INPUTfile", "Pelinor - HTML : 入力（ﾌｧｲﾙ転送） <INPUT TYPE=\"file\">", "Pelinor - HTML : 入力（ﾌｧｲﾙ転送） <input type=\"FILE\">"},
    {"/INPUThidden", "Pelinor - HTML : 入力（隠しﾌｨｰﾙﾄﾞ） <INPUT TYPE=\"hidden\">", "Pelinor - HTML : 入力（隠しﾌｨｰﾙﾄﾞ） <input type=\"HIDDEN\">"},
    {"/INPUTimage", "Pelinor - HTML : 入力（ｲﾒｰｼﾞ） <INPUT TYPE=\"image\">", "Pelinor - HTML : 入力（ｲﾒｰｼﾞ） <input type=\"IMAGE\">"},
    {"/INPUTpassword", "Pelinor - HTML : 入力（ﾊﾟｽﾜｰﾄﾞ） <INPUT TYPE=\"password\">", "Pelinor - HTML : 入力（ﾊﾟｽﾜｰﾄﾞ） <input type=\"PASSWORD\">"},
    {"/INPUTradio", "Pelinor - HTML : 入力（ﾗｼﾞｵﾎﾞﾀﾝ） <INPUT TYPE=\"radio\">", "Pelinor - HTML : 入力（ﾗｼﾞｵﾎﾞﾀﾝ） <input type=\"RADIO\">"},
    {"/INPUTreset", "Pelinor - HTML : 入力（ﾘｾｯﾄ） <INPUT TYPE=\"reset\">", "Pelinor - HTML : 入力（ﾘｾｯﾄ） <input type=\"RESET\">"},
    {"/INPUTsubmit", "Pelinor - HTML : 入力（ｻﾌﾞﾐｯﾄ） <INPUT TYPE=\"submit\">", "Pelinor - HTML : 入力（ｻﾌﾞﾐｯﾄ） <input type=\"SUBMIT\">"},
    {"/HR", "Pelinor - HTML : 罫線 <HR>", "Pelinor - HTML : 罫線 <hr>"},
    {"/UL", "Pelinor - HTML : 箇条書きﾘｽﾄ <UL>", "Pelinor - HTML : 箇条書きﾘｽﾄ <ul>"},
    {"/LiveAudio", "Pelinor - HTML : LiveAudio <EMBED>", "Pelinor - HTML : LiveAudio <embed>"},
    {"/MAP", "Pelinor - HTML : ﾏｯﾌﾟ <MAP>", "Pelinor - HTML : ﾏｯﾌﾟ <map>"},
    {"/MAPS", "Pelinor - HTML : ｸﾘｯｶﾌﾞﾙﾏｯﾌﾟひな型作成 <IMG> <MAP> <AREA>", "Pelinor - HTML : ｸﾘｯｶﾌﾞﾙﾏｯﾌﾟひな型作成 <img> <map> <area>"},
    {"/MIDPLUG", "Pelinor - HTML : MIDPLUG <EMBED>", "Pelinor - HTML : MIDPLUG <embed>"},
    {"/OL", "Pelinor - HTML : 項番付きﾘｽﾄ <OL>", "Pelinor - HTML : 項番付きﾘｽﾄ <ol>"},
    {"/OPTION", "Pelinor - HTML : 選択項目 <OPTION>", "Pelinor - HTML : 選択項目 <option>"},
    {"/SELECT", "Pelinor - HTML : 選択 <SELECT>", "Pelinor - HTML : 選択 <select>"},
    {"/TABLE", "Pelinor - HTML : ﾃｰﾌﾞﾙ <TABLE>", "Pelinor - HTML : ﾃｰﾌﾞﾙ <table>"},
    {"/TDTH", "Pelinor - HTML : ﾃｰﾌﾞﾙｾﾙ <TD> <TH>", "Pelinor - HTML : ﾃｰﾌﾞﾙｾﾙ <td> <th>"},
    {"/TEXTAREA", "Pelinor - HTML : 複数行入力 <TEXTAREA>", "Pelinor - HTML : 複数行入力 <textarea>"},
    {"/TR", "Pelinor - HTML : ﾃｰﾌﾞﾙ行 <TR>", "Pelinor - HTML : ﾃｰﾌﾞﾙ行 <tr>"},
    {"/LI", "Pelinor - HTML : ﾘｽﾄの項目 <LI>", "Pelinor - HTML : ﾘｽﾄの項目 <li>"},
    {"/COMMENT", nullptr, nullptr},
};

const char* const kFlippedIni = "[Setup]\r\nElement=1\r\nAttribute=1\r\nValue=0\r\n";

// The list above is the program's switch table, every switch but /EDIT
// (which needs an element to edit: tests/e2e/edit_keys.sh), and its captions
// are the ones the dialogs show: a switch the list forgets fails here.
TEST(AllSwitchesList, IsTheProgramsSwitchTable) {
    std::vector<std::string> program, listed;
    for (const corvane::SwitchRow& row : corvane::all_switches())
        if (row.action != corvane::Action::Edit) program.push_back(row.name);
    for (const SwitchRow& row : kSwitches) listed.push_back(row.name);
    std::sort(program.begin(), program.end());
    std::sort(listed.begin(), listed.end());
    EXPECT_EQ(listed, program);
    for (const SwitchRow& row : kSwitches) {
        const corvane::SwitchRow* found = corvane::find_switch(row.name);
        if (!found || !found->design) continue;
        EXPECT_EQ(corvane::dialog_caption(found->design(), {}), row.caption) << row.name;
        EXPECT_EQ(corvane::dialog_caption(found->design(), {1, 1, 0}), row.flipped) << row.name;
    }
}
// One line: the comment command wraps it without line breaks.
const std::string kSelection = "Hello, \xE6\x97\xA5\xE6\x9C\xAC <b>&amp;\t";

std::string find_program(const std::string& name) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    size_t at = 0;
    while (at <= dirs.size()) {
        size_t end = dirs.find(':', at);
        if (end == std::string::npos) end = dirs.size();
        fs::path candidate = fs::path(dirs.substr(at, end - at)) / name;
        if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
        at = end + 1;
    }
    return {};
}

// An Xvfb server on a display number that was free when it started.  Ends
// with the test process even when the test is killed.
class VirtualDisplay {
public:
    explicit VirtualDisplay(const std::string& xvfb) {
        std::random_device rd;
        int n = 300 + static_cast<int>(rd() % 500);
        for (int tries = 0; tries < 40 && number_ < 0; ++tries, n = 300 + (n - 300 + 7) % 500) start(xvfb, n);
    }
    ~VirtualDisplay() {
        if (pid_ <= 0) return;
        kill(pid_, SIGTERM);
        for (int i = 0; i < 50; ++i) {
            if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
            usleep(20000);
        }
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    bool ok() const { return number_ >= 0; }
    std::string name() const { return ":" + std::to_string(number_); }

private:
    // Xvfb writes the display number on `-displayfd` once it accepts
    // clients; it ends at once when the number is taken.
    void start(const std::string& xvfb, int n) {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid_t pid = fork();
        if (pid < 0) return;
        if (pid == 0) {
#ifdef __linux__
            prctl(PR_SET_PDEATHSIG, SIGTERM);
#endif
            int null = open("/dev/null", O_RDWR);
            dup2(null, 0);
            dup2(null, 1);
            dup2(null, 2);
            dup2(fds[1], 3);
            for (int fd = 4; fd < 256; ++fd) close(fd);
            const std::string display = ":" + std::to_string(n);
            execl(xvfb.c_str(), xvfb.c_str(), display.c_str(), "-displayfd", "3", "-screen", "0", "1024x768x24",
                  "-nolisten", "tcp", "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        std::string got;
        pollfd p{fds[0], POLLIN, 0};
        char buf[32];
        while (poll(&p, 1, 10000) > 0) {
            ssize_t r = read(fds[0], buf, sizeof buf);
            if (r <= 0) break;
            got.append(buf, static_cast<size_t>(r));
            if (got.find('\n') != std::string::npos) break;
        }
        close(fds[0]);
        if (!got.empty() && std::atoi(got.c_str()) == n) {
            pid_ = pid;
            number_ = n;
            return;
        }
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }

    pid_t pid_ = -1;
    int number_ = -1;
};

// A copy of the built program in a folder of its own, so that the settings
// file beside it belongs to this test alone.
class ProgramCopy {
public:
    ProgramCopy(const std::string& name, const char* ini) {
        std::random_device rd;
        dir_ = fs::temp_directory_path() / ("corvane-switches-" + name + "-" + std::to_string(rd()));
        fs::create_directories(dir_);
        const fs::path built = fs::path(CORVANE_EXE).parent_path();
        fs::copy_file(CORVANE_EXE, dir_ / "corvane");
        fs::copy_file(built / CORVANE_WINDOW_PROGRAM, dir_ / CORVANE_WINDOW_PROGRAM);
        for (const auto& e : fs::directory_iterator(built))
            if (e.path().extension() == ".so") fs::copy_file(e.path(), dir_ / e.path().filename());
        if (ini) std::ofstream(dir_ / "Corvane.ini", std::ios::binary) << ini;
    }
    ~ProgramCopy() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string exe() const { return (dir_ / "corvane").string(); }

private:
    fs::path dir_;
};

struct Case {
    std::string arg;
    std::vector<std::string> more;  // later arguments, which count for nothing
    const char* ini = nullptr;   // the settings the copy was given (for messages)
    std::string exe;
    std::string expected_title;  // window caption, or "エラー" for the error box
    int expected_code = 0;
    bool expect_window = true;
    // What happened.
    std::string title;
    ProcessResult result;
    std::string note;
};

std::string first_line(const std::string& s) { return s.substr(0, s.find('\n')); }

// Runs one case on `display`: starts corvane, waits for its window, reads
// its caption, presses Escape (the error box: Enter) until the program ends.
void run_case(Case& r, const std::string& display, const std::string& xdotool) {
    ProcessOptions o;
    o.args = {r.arg};
    o.args.insert(o.args.end(), r.more.begin(), r.more.end());
    o.env["DISPLAY"] = display;
    o.env["QT_QPA_PLATFORM"] = std::nullopt;
    o.env["WAYLAND_DISPLAY"] = std::nullopt;
    o.env["PELINOR_CARET"] = "200,200";
    o.input = kSelection;
    o.timeout_ms = 15000;
    std::atomic<bool> done{false};
    std::thread program([&] {
        r.result = run_process(r.exe, o);
        done = true;
    });
    auto xdo = [&](std::vector<std::string> args, int timeout_ms = 5000) {
        ProcessOptions x;
        x.args = std::move(args);
        x.env["DISPLAY"] = display;
        x.timeout_ms = timeout_ms;
        return run_process(xdotool, x);
    };
    // Each step has a deadline of its own; the program is killed after 15 s.
    using Clock = std::chrono::steady_clock;
    auto within = [](Clock::time_point deadline) { return Clock::now() < deadline; };
    if (r.expect_window) {
        // Any mapped window with a name: only this program runs on the display.
        std::string window;
        for (auto until = Clock::now() + std::chrono::seconds(10); window.empty() && !done && within(until);) {
            window = first_line(xdo({"search", "--onlyvisible", "--name", "."}, 2000).out);
            if (window.empty()) usleep(50000);
        }
        if (window.empty()) {
            r.note = "no window came up";
        } else {
            // The caption is complete once the show step ran.
            for (auto until = Clock::now() + std::chrono::seconds(2); within(until);) {
                r.title = first_line(xdo({"getwindowname", window}, 2000).out);
                if (r.title == r.expected_title || r.title == "エラー") break;
                usleep(50000);
            }
            // A key may come before the window takes the focus: press again.
            const char* key = r.title == "エラー" ? "Return" : "Escape";
            for (int i = 0; i < 5 && !done; ++i) {
                xdo({"windowfocus", "--sync", window, "key", key}, 3000);
                for (auto until = Clock::now() + std::chrono::seconds(1); !done && within(until);) usleep(20000);
            }
        }
    }
    program.join();
}

class AllSwitches : public ::testing::Test {
protected:
    void SetUp() override {
        xvfb_ = find_program("Xvfb");
        xdotool_ = find_program("xdotool");
        if (xvfb_.empty() || xdotool_.empty()) GTEST_SKIP() << "needs Xvfb and xdotool (scripts/test installs them)";
    }

    // Spreads the runs over two workers with a display each.
    void run_all(std::vector<Case>& runs) {
        constexpr int kWorkers = 2;
        std::vector<std::thread> workers;
        std::atomic<size_t> next{0};
        std::atomic<int> no_display{0};
        for (int w = 0; w < kWorkers; ++w) {
            workers.emplace_back([&] {
                VirtualDisplay display(xvfb_);
                if (!display.ok()) {
                    ++no_display;
                    return;
                }
                for (size_t i; (i = next++) < runs.size();) run_case(runs[i], display.name(), xdotool_);
            });
        }
        for (auto& t : workers) t.join();
        ASSERT_EQ(no_display, 0) << "an X server could not be started";
    }

    std::string xvfb_, xdotool_;
};

// One line per case that went wrong, naming the switch and the settings.
std::string problems(const std::vector<Case>& runs) {
    std::string all;
    for (const Case& r : runs) {
        std::string p = r.note;
        auto add = [&](const std::string& what) { p += (p.empty() ? "" : "; ") + what; };
        if (r.result.signal != 0) add("killed by signal " + std::to_string(r.result.signal));
        if (r.result.exit_code != r.expected_code) add("exit code " + std::to_string(r.result.exit_code));
        if (r.expect_window && r.title != r.expected_title) add("caption \"" + r.title + "\"");
        const std::string out = r.expect_window ? kSelection : "<!-- " + kSelection + " -->";
        if (r.result.out != out) add("stdout \"" + r.result.out + "\"");
        if (!p.empty())
            all += "'" + r.arg + "'" + (r.ini ? " flipped" : "") + ": " + p + "\n";
    }
    return all;
}

TEST_F(AllSwitches, EveryDialogShowsItsCaptionAndEscapeHandsTheSelectionBack) {
    ProgramCopy plain("default", nullptr);
    ProgramCopy flipped("flipped", kFlippedIni);
    std::vector<Case> runs;
    for (const SwitchRow& row : kSwitches) {
        for (bool flip : {false, true}) {
            Case r;
            r.arg = row.name;
            r.ini = flip ? kFlippedIni : nullptr;
            r.exe = flip ? flipped.exe() : plain.exe();
            r.expect_window = row.caption != nullptr;
            r.expected_title = row.caption ? (flip ? row.flipped : row.caption) : "";
            runs.push_back(r);
        }
    }
    ASSERT_EQ(runs.size(), 80u);
    run_all(runs);
    if (std::string p = problems(runs); !p.empty()) ADD_FAILURE() << p;
}

TEST_F(AllSwitches, OnlyTheFirstArgumentCounts) {
    ProgramCopy plain("later", nullptr);
    std::vector<Case> runs;
    for (auto [arg, caption] : {std::pair{"/LiveAudio", "Pelinor - HTML : LiveAudio <EMBED>"},
                                {"/FRAMES", "Pelinor - HTML : ﾌﾚｰﾑひな形作成<FRAMESET> <FRAME>"},
                                {"/img", "エラー"}}) {
        Case r;
        r.arg = arg;
        r.more = {"/COMMENT", "/MIDPLUG"};
        r.exe = plain.exe();
        r.expected_title = caption;
        r.expected_code = std::string(caption) == "エラー" ? 255 : 0;
        runs.push_back(r);
    }
    run_all(runs);
    if (std::string p = problems(runs); !p.empty()) ADD_FAILURE() << p;
}

TEST_F(AllSwitches, BadSwitchesShowTheErrorBoxAndEndWith255) {
    ProgramCopy plain("bad", nullptr);
    std::vector<Case> runs;
    for (const char* arg : {"/img", "/Img", "/INPUTTEXT", "/FRAMES ", "/liveaudio", "/MidPlug", "/BGSOUND "}) {
        Case r;
        r.arg = arg;
        r.exe = plain.exe();
        r.expected_title = "エラー";
        r.expected_code = 255;
        runs.push_back(r);
    }
    run_all(runs);
    if (std::string p = problems(runs); !p.empty()) ADD_FAILURE() << p;
}

}  // namespace
