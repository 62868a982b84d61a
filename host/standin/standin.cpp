// The stand-in editor link: the same seven functions as the editor's link
// library, playing the editor from the environment and standard streams, so
// that Corvane works as a filter for any editor.
//
//   PELINOR_FILE      full path of the edited file (unset: no path)
//   PELINOR_CARET     "X,Y" caret screen position (unset: 100,100)
//   PELINOR_EOL       crlf | lf | cr (unset: lf)
//   PELINOR_ENCODING  utf-8 | cp932, code page of the link's texts (unset: utf-8)
//
// The selection is standard input (when it is not a terminal).  Standard
// output receives the replacement for the selection exactly once: after
// pelr_SetData it is start + selection + end (start + end when the selection
// was fetched with pelr_GetData); a run without pelr_SetData writes the
// selection back unchanged, and so does a run that a signal ends (a crash,
// an abort, Ctrl-C).  Nothing else ever goes to standard output; the
// link's own warnings go to standard error, which is first moved off
// standard output when an editor gave both the same pipe or file
// (common/diagnostics.h).
#define PELINORN_BUILD
#include "pelinorn.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#endif

#include "common/bytebuffer.h"
#include "common/codepage.h"
#include "common/diagnostics.h"

namespace {

struct Editor {
    std::string file_path;
    std::string eol = "\n";
    int caret_x = 100;
    int caret_y = 100;
    corvane::ByteBuffer selection_bytes;
    size_t selection_size = 0;
    bool selection_fetched = false;

    std::string_view selection() const { return {selection_bytes.data(), selection_size}; }
    bool written = false;
};

Editor* g_editor = nullptr;

void warn(const char* name, const char* value) {
    std::fprintf(stderr, "pelinorn stand-in: %s has an unknown value \"%s\"; using the default\n", name, value);
}

// Writes the texts straight from the caller's memory: a selection may be
// large, and copying it here would double what the run holds.
void write_all(std::string_view a, std::string_view b, std::string_view c) {
    for (std::string_view s : {a, b, c})
        if (!s.empty()) std::fwrite(s.data(), 1, s.size(), stdout);
    std::fflush(stdout);
}

void hand_back_selection() {
    if (g_editor && !g_editor->written) {
        g_editor->written = true;
        write_all(g_editor->selection(), {}, {});
    }
}

#ifndef _WIN32
// A run that dies of a signal (a crash, an abort, the editor or the user
// stopping it) still hands the selection back, so a filtering editor keeps
// its text; then the signal ends the run as it would have, and the exit
// status says so.  Only async-signal-safe calls here.
void hand_back_on_signal(int sig) {
    if (g_editor && !g_editor->written) {
        g_editor->written = true;
        const char* p = g_editor->selection_bytes.data();
        size_t left = g_editor->selection_size;
        while (left > 0) {
            ssize_t n = write(STDOUT_FILENO, p, left);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) break;
            p += n;
            left -= static_cast<size_t>(n);
        }
    }
    raise(sig);  // the handler was reset to the default on entry
}

void hand_back_on_signals() {
    struct sigaction sa {};
    sa.sa_handler = hand_back_on_signal;
    sa.sa_flags = SA_RESETHAND | SA_NODEFER;
    sigemptyset(&sa.sa_mask);
    for (int sig : {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT, SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
        struct sigaction old {};
        // A signal the starting process ignores stays ignored.
        if (sigaction(sig, nullptr, &old) == 0 && old.sa_handler == SIG_IGN) continue;
        sigaction(sig, &sa, nullptr);
    }
}
#endif

bool parse_int(const char* s, int& out) {
    char* end = nullptr;
    long v = std::strtol(s, &end, 10);
    if (end == s || v < -1000000 || v > 1000000) return false;
    out = static_cast<int>(v);
    return *end == '\0' || *end == ',';
}

// Standard input, read whole into one area that grows without copying (a
// selection may be large); from a file, its size is known beforehand.
void read_selection(Editor& e) {
    size_t capacity = size_t(1) << 16;
#ifndef _WIN32
    struct stat st;
    if (fstat(fileno(stdin), &st) == 0 && S_ISREG(st.st_mode)) {
        off_t at = lseek(fileno(stdin), 0, SEEK_CUR);
        // One byte more, so that the end of the file shows without a regrowth.
        if (at >= 0 && st.st_size > at) capacity = static_cast<size_t>(st.st_size - at) + 1;
    }
#endif
    e.selection_bytes.reserve(capacity);
    for (;;) {
        if (e.selection_size == e.selection_bytes.capacity()) e.selection_bytes.reserve(2 * e.selection_size);
        size_t room = e.selection_bytes.capacity() - e.selection_size;
        size_t got = std::fread(e.selection_bytes.data() + e.selection_size, 1, room, stdin);
        e.selection_size += got;
        if (got < room) break;  // end of input or an error
    }
}

void init() {
    if (g_editor) return;
    // Before the first warning, and before the program or its toolkit can
    // write anything: the library is loaded ahead of them.
    corvane::separate_diagnostics();
    g_editor = new Editor;
    Editor& e = *g_editor;

    const char* enc = std::getenv("PELINOR_ENCODING");
    corvane::CodePage cp = corvane::CodePage::Utf8;
    if (enc) {
        if (std::strcmp(enc, "cp932") == 0) cp = corvane::CodePage::Cp932;
        else if (std::strcmp(enc, "utf-8") != 0) warn("PELINOR_ENCODING", enc);
    }
    if (const char* f = std::getenv("PELINOR_FILE")) e.file_path = corvane::from_utf8(f, cp);
    if (const char* eol = std::getenv("PELINOR_EOL")) {
        if (std::strcmp(eol, "crlf") == 0) e.eol = "\r\n";
        else if (std::strcmp(eol, "cr") == 0) e.eol = "\r";
        else if (std::strcmp(eol, "lf") != 0) warn("PELINOR_EOL", eol);
    }
    if (const char* caret = std::getenv("PELINOR_CARET")) {
        int x = 0, y = 0;
        const char* comma = std::strchr(caret, ',');
        if (comma && parse_int(caret, x) && parse_int(comma + 1, y) && !std::strchr(comma + 1, ',')) {
            e.caret_x = x;
            e.caret_y = y;
        } else {
            warn("PELINOR_CARET", caret);
        }
    }

#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    if (!isatty(fileno(stdin))) read_selection(e);
    std::atexit(hand_back_selection);
#ifndef _WIN32
    hand_back_on_signals();
#endif
}

// Load the editor state as soon as the library is loaded, so the selection
// is handed back even by a run that never calls the link.
struct Loader {
    Loader() { init(); }
} g_loader;

}  // namespace

extern "C" {

PELR_API int PELR_CALL pelr_SetData(const char* start, const char* end) {
    init();
    Editor& e = *g_editor;
    if (e.written) return 0;
    e.written = true;
    std::string_view s = start ? start : "", t = end ? end : "";
    write_all(s, e.selection_fetched ? std::string_view() : e.selection(), t);
    return 1;
}

PELR_API const char* PELR_CALL pelr_GetCRLF(void) {
    init();
    return g_editor->eol.c_str();
}

PELR_API const char* PELR_CALL pelr_GetFilePath(void) {
    init();
    return g_editor->file_path.c_str();
}

PELR_API int PELR_CALL pelr_GetPosAuto(int* left, int* top, int width, int height) {
    init();
    (void)width;
    (void)height;
    // Just below the caret line (a line is taken as 20 pixels), on screen.
    int x = g_editor->caret_x, y = g_editor->caret_y + 20;
    if (left) *left = x < 0 ? 0 : x;
    if (top) *top = y < 0 ? 0 : y;
    return 1;
}

PELR_API int PELR_CALL pelr_GetPosSize(int which) {
    init();
    return which == 0 ? g_editor->caret_x : g_editor->caret_y;
}

PELR_API int PELR_CALL pelr_GetBufSize(int which) {
    init();
    (void)which;
    return static_cast<int>(g_editor->selection_size);
}

PELR_API int PELR_CALL pelr_GetData(char* buffer, const char* reserved) {
    init();
    (void)reserved;
    if (!buffer) return 0;
    if (g_editor->selection_size) std::memcpy(buffer, g_editor->selection_bytes.data(), g_editor->selection_size);
    buffer[g_editor->selection_size] = '\0';
    g_editor->selection_fetched = true;
    return 1;
}

}  // extern "C"
