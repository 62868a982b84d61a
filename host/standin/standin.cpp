// The stand-in editor link: the same seven functions as the editor's link
// library, playing the editor from the environment and standard streams, so
// that Corvane works as a filter for any editor.
//
//   PELINOR_FILE      full path of the edited file (unset: no path)
//   PELINOR_CARET     "X,Y" caret screen position (unset: 100,100)
//   PELINOR_EOL       crlf | lf | cr (unset: lf)
//   PELINOR_ENCODING  utf-8 | cp932, code page of the link's texts (unset: utf-8)
//
// Built for Windows, the link's texts are in the system's ANSI code page as
// the editor's are, and PELINOR_ENCODING is not read.
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

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#define isatty _isatty
#define fileno _fileno
#else
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#if defined(__linux__)
#include <sys/sendfile.h>
#endif
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
    // The selection: standard input read whole into selection_bytes; or,
    // when standard input is a regular file (as editors hand over a
    // filter's input), that file from its current offset, read only when
    // asked for, so a large selection is never held twice.
    corvane::ByteBuffer selection_bytes;
    int selection_fd = -1;
    long long selection_from = 0;
    size_t selection_size = 0;
    bool selection_fetched = false;
    // The fetched selection holds a NUL byte, so the program saw it cut
    // short there.
    bool selection_cut = false;
    bool written = false;
};

Editor* g_editor = nullptr;

void warn(const char* name, const char* value) {
    std::fprintf(stderr, "pelinorn stand-in: %s has an unknown value \"%s\"; using the default\n", name, value);
}

// Copies the selection into `buffer`; returns how many bytes it holds (a
// file that shrank meanwhile holds fewer).
size_t copy_selection(const Editor& e, char* buffer) {
#ifndef _WIN32
    if (e.selection_fd >= 0) {
        size_t done = 0;
        while (done < e.selection_size) {
            ssize_t n = pread(e.selection_fd, buffer + done, e.selection_size - done,
                              static_cast<off_t>(e.selection_from + static_cast<long long>(done)));
            if (n <= 0) break;
            done += static_cast<size_t>(n);
        }
        return done;
    }
#endif
    if (e.selection_size) std::memcpy(buffer, e.selection_bytes.data(), e.selection_size);
    return e.selection_size;
}

// Writes the selection to standard output (already flushed).
void write_selection(const Editor& e) {
    if (!e.selection_size) return;
#ifndef _WIN32
    if (e.selection_fd >= 0) {
        off_t at = static_cast<off_t>(e.selection_from);
        size_t left = e.selection_size;
#if defined(__linux__)
        // The kernel copies file to output itself, without a pass through
        // this process's memory.
        while (left > 0) {
            ssize_t n = sendfile(fileno(stdout), e.selection_fd, &at, left);
            if (n <= 0) break;
            left -= static_cast<size_t>(n);
        }
#endif
        char chunk[1 << 16];
        while (left > 0) {
            ssize_t n = pread(e.selection_fd, chunk, std::min(left, sizeof chunk), at);
            if (n <= 0) break;
            std::fwrite(chunk, 1, static_cast<size_t>(n), stdout);
            at += n;
            left -= static_cast<size_t>(n);
        }
        return;
    }
#endif
    std::fwrite(e.selection_bytes.data(), 1, e.selection_size, stdout);
}

// Writes the replacement: the start text, the selection unless the caller
// fetched it, the end text; straight from the callers' memory, since a
// selection may be large and copying it here would double what the run
// holds.
void write_all(std::string_view start, bool with_selection, std::string_view end) {
    if (!start.empty()) std::fwrite(start.data(), 1, start.size(), stdout);
    std::fflush(stdout);
    if (with_selection) write_selection(*g_editor);
    if (!end.empty()) std::fwrite(end.data(), 1, end.size(), stdout);
    std::fflush(stdout);
}

void hand_back_selection() {
    if (g_editor && !g_editor->written) {
        g_editor->written = true;
        write_all({}, true, {});
    }
}

#ifndef _WIN32
// A run that dies of a signal (a crash, an abort, the editor or the user
// stopping it) still hands the selection back, so a filtering editor keeps
// its text; then the signal ends the run as it would have, and the exit
// status says so.  Only async-signal-safe calls here.
bool write_raw(const char* p, size_t left) {
    while (left > 0) {
        ssize_t n = write(STDOUT_FILENO, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

void hand_back_on_signal(int sig) {
    if (g_editor && !g_editor->written) {
        Editor& e = *g_editor;
        e.written = true;
        if (e.selection_fd < 0) {
            write_raw(e.selection_bytes.data(), e.selection_size);
        } else {
            static char chunk[1 << 16];  // not on a stack that may have overflowed
            off_t at = static_cast<off_t>(e.selection_from);
            size_t left = e.selection_size;
            while (left > 0) {
                ssize_t n = pread(e.selection_fd, chunk, std::min(left, sizeof chunk), at);
                if (n < 0 && errno == EINTR) continue;
                if (n <= 0 || !write_raw(chunk, static_cast<size_t>(n))) break;
                at += n;
                left -= static_cast<size_t>(n);
            }
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

// Standard input: a regular file is left where it is and read when asked
// for; anything else is read whole into one area that grows without
// copying (a selection may be large).
void read_selection(Editor& e) {
    size_t capacity = size_t(1) << 16;
#ifndef _WIN32
    struct stat st;
    if (fstat(fileno(stdin), &st) == 0 && S_ISREG(st.st_mode)) {
        off_t at = lseek(fileno(stdin), 0, SEEK_CUR);
        if (at >= 0) {
            e.selection_fd = fileno(stdin);
            e.selection_from = at;
            e.selection_size = st.st_size > at ? static_cast<size_t>(st.st_size - at) : 0;
            return;
        }
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

#ifdef _WIN32
// A variable's value as UTF-8: the environment holds UTF-16, which the C
// library's getenv would squeeze through the ANSI code page.
bool utf8_env(const wchar_t* name, std::string& out) {
    const wchar_t* w = _wgetenv(name);
    if (!w) return false;
    int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
    out.assign(n > 0 ? static_cast<size_t>(n) : 1, '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w, -1, out.data(), n, nullptr, nullptr);
    out.resize(std::strlen(out.c_str()));
    return true;
}
#endif

// The editor's state from the environment: file path, line break, caret.
void read_environment(Editor& e) {
#ifdef _WIN32
    const corvane::CodePage cp = corvane::CodePage::SystemAnsi;
    std::string file;
    if (utf8_env(L"PELINOR_FILE", file)) e.file_path = corvane::from_utf8(file, cp);
#else
    const char* enc = std::getenv("PELINOR_ENCODING");
    corvane::CodePage cp = corvane::CodePage::Utf8;
    if (enc) {
        if (std::strcmp(enc, "cp932") == 0) cp = corvane::CodePage::Cp932;
        else if (std::strcmp(enc, "utf-8") != 0) warn("PELINOR_ENCODING", enc);
    }
    if (const char* f = std::getenv("PELINOR_FILE")) e.file_path = corvane::from_utf8(f, cp);
#endif
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

}

void init() {
    if (g_editor) return;
    // Before the first warning, and before the program or its toolkit can
    // write anything: the library is loaded ahead of them.
    corvane::separate_diagnostics();
    g_editor = new Editor;
    Editor& e = *g_editor;
    read_environment(e);
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
// The language server (corvane --lsp) is the one run whose standard input
// is not a selection but the editor's messages: there the link stays unread
// (glibc hands a library's constructors the program's arguments).
#ifndef CORVANE_STANDIN_NO_LOADER
#if defined(__GLIBC__)
__attribute__((constructor)) void load_editor_state(int argc, char** argv, char**) {
    if (argc >= 2 && argv && argv[1] && std::strcmp(argv[1], "--lsp") == 0) return;
    init();
}
#else
struct Loader {
    Loader() { init(); }
} g_loader;
#endif
#endif

}  // namespace

extern "C" {

PELR_API int PELR_CALL pelr_SetData(const char* start, const char* end) {
    init();
    Editor& e = *g_editor;
    if (e.written) return 0;
    e.written = true;
    if (e.selection_cut) {
        // The program worked on the selection up to its first NUL; its
        // replacement would lose the rest, so the selection stays as it was.
        std::fprintf(stderr, "pelinorn stand-in: the selection holds a NUL byte; it is handed back unchanged\n");
        write_all({}, true, {});
        return 0;
    }
    write_all(start ? start : "", !e.selection_fetched, end ? end : "");
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
    const size_t n = copy_selection(*g_editor, buffer);
    buffer[n] = '\0';
    g_editor->selection_fetched = true;
    g_editor->selection_cut = std::memchr(buffer, '\0', n) != nullptr;
    return 1;
}

}  // extern "C"
