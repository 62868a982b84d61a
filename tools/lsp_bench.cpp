// Figures of the language server for scripts/bench (lsp.sh): the action
// list in a 1 KiB and a 1 MiB document, one keystroke's change in the large
// one, the server's memory at rest, and the time from executeCommand to the
// dialog's window being mapped next to `corvane /FONT` started directly,
// the two taking turns run by run.
// Usage: lsp_bench CORVANE RUNS
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

static const char* g_program = nullptr;
#define CORVANE_EXE g_program
#include "../tests/e2e/lsp_client.h"

using corvane::test::json;
using corvane::test::LspClient;

namespace {

double now_us() {
    timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e6 + t.tv_nsec / 1e3;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? -1 : v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// A document of about `size` bytes with a short FONT element on its middle
// line; its line number.
std::string document(size_t size, int& middle) {
    const std::string line = "<p class=\"note\">Some text &amp; more text, 表示 ソ and a <a href=\"x.htm\">link</a>.</p>\n";
    std::string doc;
    int lines = 0;
    middle = static_cast<int>(size / line.size() / 2);
    while (doc.size() < size) {
        doc += lines == middle ? "<p><FONT SIZE=3>ab</FONT> x</p>\n" : line;
        ++lines;
    }
    return doc;
}

json pos(int l, int c) { return {{"line", l}, {"character", c}}; }
json range(int l1, int c1, int l2, int c2) { return {{"start", pos(l1, c1)}, {"end", pos(l2, c2)}}; }

json code_actions(LspClient& c, const std::string& uri, json r) {
    const int id = c.request("textDocument/codeAction", {{"textDocument", {{"uri", uri}}}, {"range", r}, {"context", {{"diagnostics", json::array()}}}});
    return c.response(id)["result"];
}

// Waits for a top-level window to be mapped; its id, or 0.
Window wait_map(Display* d, double t0, double& ms) {
    while (now_us() - t0 < 20e6) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify) {
                ms = (now_us() - t0) / 1000;
                return e.xmap.window;
            }
        }
        pollfd p{ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, 2);
    }
    return 0;
}

void escape(Display* d, Window w) {
    usleep(150000);
    XSetInputFocus(d, w, RevertToParent, CurrentTime);
    XSync(d, False);
    usleep(50000);
    const KeyCode kc = XKeysymToKeycode(d, XStringToKeysym("Escape"));
    XTestFakeKeyEvent(d, kc, True, 0);
    XTestFakeKeyEvent(d, kc, False, 0);
    XFlush(d);
}

void wait_destroyed(Display* d, Window w) {
    const double t0 = now_us();
    while (now_us() - t0 < 10e6) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if ((e.type == DestroyNotify && e.xdestroywindow.window == w) || (e.type == UnmapNotify && e.xunmap.window == w)) return;
        }
        pollfd p{ConnectionNumber(d), POLLIN, 0};
        poll(&p, 1, 2);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    g_program = argv[1];
    const int runs = std::max(3, std::atoi(argv[2]));
    LspClient c;
    c.initialize();
    const std::string small_uri = "file:///tmp/small.htm", large_uri = "file:///tmp/large.htm";
    int small_mid = 0, large_mid = 0;
    const std::string small = document(1024, small_mid), large = document(1 << 20, large_mid);
    c.notify("textDocument/didOpen", {{"textDocument", {{"uri", small_uri}, {"languageId", "html"}, {"version", 1}, {"text", small}}}});
    c.notify("textDocument/didOpen", {{"textDocument", {{"uri", large_uri}, {"languageId", "html"}, {"version", 1}, {"text", large}}}});

    // The action list with the caret in the short FONT element.
    std::vector<double> a_small, a_large;
    for (int i = 0; i < runs * 10; ++i) {
        double t = now_us();
        const json s = code_actions(c, small_uri, range(small_mid, 17, small_mid, 17));
        a_small.push_back(now_us() - t);
        t = now_us();
        const json l = code_actions(c, large_uri, range(large_mid, 17, large_mid, 17));
        a_large.push_back(now_us() - t);
        if (s[0]["title"] != "Edit <FONT>" || l[0]["title"] != "Edit <FONT>") {
            std::fprintf(stderr, "lsp_bench: no edit action\n");
            return 1;
        }
    }
    // One keystroke in the large document, then a request that only
    // answers; next to that request alone.
    std::vector<double> key, ping;
    int version = 1;
    for (int i = 0; i < runs * 10; ++i) {
        double t = now_us();
        c.notify("textDocument/didChange", {{"textDocument", {{"uri", large_uri}, {"version", ++version}}},
                                            {"contentChanges", json::array({{{"range", range(large_mid, 30, large_mid, 30)}, {"text", "x"}}})}});
        c.response(c.request("corvane/ping", nullptr));
        key.push_back(now_us() - t);
        t = now_us();
        c.response(c.request("corvane/ping", nullptr));
        ping.push_back(now_us() - t);
    }
    // At rest with the large document open.
    std::string rss = "?", qt = "no";
    {
        const int pid = c.pid();
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("VmRSS:", 0) == 0) rss = line.substr(6);
        std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
        for (std::string line; std::getline(maps, line);)
            if (line.find("libQt") != std::string::npos) qt = "yes";
    }
    rss.erase(0, rss.find_first_not_of(" \t"));
    std::printf("action list, caret in a short element, median of %d: 1 KiB document %.0f us, 1 MiB document %.0f us (ratio %.2f; target <= 2)\n",
                runs * 10, median(a_small), median(a_large), median(a_large) / median(a_small));
    std::printf("one keystroke in the 1 MiB document, median of %d: change and a reply %.0f us, the reply alone %.0f us (the change %.0f us)\n",
                runs * 10, median(key), median(ping), median(key) - median(ping));
    std::printf("at rest with the 1 MiB document open: resident %s, a Qt library mapped: %s\n", rss.c_str(), qt.c_str());

    // Time to map.
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::printf("time to map: no display\n");
        return 0;
    }
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);
    const json font = [&] {
        for (const json& a : code_actions(c, small_uri, range(0, 3, 0, 8)))
            if (a["command"]["arguments"][0].value("switch", "") == "/FONT") return a;
        return json();
    }();
    std::vector<double> via_lsp, direct;
    for (int i = 0; i < runs; ++i) {
        double ms = -1;
        double t0 = now_us();
        c.request("workspace/executeCommand", font["command"]);
        if (Window w = wait_map(d, t0, ms)) {
            via_lsp.push_back(ms);
            escape(d, w);
            wait_destroyed(d, w);
        }
        usleep(100000);
        t0 = now_us();
        const pid_t pid = fork();
        if (pid == 0) {
            const int null = open("/dev/null", O_RDWR);
            dup2(null, 0);
            dup2(null, 1);
            execl(g_program, g_program, "/FONT", static_cast<char*>(nullptr));
            _exit(127);
        }
        if (Window w = wait_map(d, t0, ms)) {
            direct.push_back(ms);
            escape(d, w);
        }
        waitpid(pid, nullptr, 0);
        usleep(100000);
    }
    std::printf("time to map, median of %d: executeCommand to the /FONT dialog mapped %.1f ms, corvane /FONT started directly %.1f ms (ratio %.2f; target <= 1.1)\n",
                runs, median(via_lsp), median(direct), median(via_lsp) / median(direct));
    return 0;
}
