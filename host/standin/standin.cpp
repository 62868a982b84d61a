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
//
// The link starts at the first call of any of its functions, or earlier
// through pelinorn_standin_start, which a program that may end without
// calling the link calls first (standin_start.h); it ends when the process
// exits, handing the selection back if nothing was written, and frees what
// it held.
#define PELINORN_BUILD
#include "pelinorn.h"

#include "standin/standin.h"
#include "standin/standin_start.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "common/diagnostics.h"

namespace corvane::standin {

Editor* g_editor = nullptr;

namespace {

// The run has ended (the process is exiting): the link holds nothing more
// and writes nothing more.
bool g_ended = false;

bool parse_int(const char* s, int& out) {
    char* end = nullptr;
    long v = std::strtol(s, &end, 10);
    if (end == s || v < -1000000 || v > 1000000) return false;
    out = static_cast<int>(v);
    return *end == '\0' || *end == ',';
}

// A large text is handled a piece at a time, each piece looked at while it
// is still in the processor's cache (its own level two, a quarter or half
// a megabyte on current ones), rather than in whole passes over it.
constexpr size_t kPiece = size_t(1) << 18;

// Copies the selection into `buffer`; returns how many bytes it holds (a
// file that shrank meanwhile holds fewer), and whether they hold a NUL.
size_t copy_selection(const Editor& e, char* buffer, bool& has_nul) {
    has_nul = false;
    size_t done = 0;
    while (done < e.selection_size) {
        const size_t want = std::min(kPiece, e.selection_size - done);
        size_t got = want;
        if (e.selection_fd >= 0) got = copy_input_file(e, buffer + done, done, want);
        else std::memcpy(buffer + done, e.selection_bytes.data() + done, want);
        has_nul = has_nul || std::memchr(buffer + done, '\0', got) != nullptr;
        done += got;
        if (got < want) break;
    }
    return done;
}

// Writes a NUL-terminated text: where the output takes the text's own
// memory, measured first, then handed over without being read again; else
// measured piece by piece as it goes, each piece copied out while in cache.
void write_text(const char* text) {
    if (output_takes_memory()) {
        write_output_memory(text, std::strlen(text));
        return;
    }
    for (;;) {
        const size_t n = strnlen(text, kPiece);
        write_output(text, n);
        if (n < kPiece) return;
        text += n;
    }
}

// Writes the selection to standard output.
void write_selection(const Editor& e) {
    if (!e.selection_size) return;
    if (e.selection_fd >= 0) {
        write_input_file(e);
        return;
    }
    write_output(e.selection_bytes.data(), e.selection_size);
}

// Writes the replacement: the start text, the selection unless the caller
// fetched it, the end text; straight from the callers' memory, since a
// selection may be large and copying it here would double what the run
// holds.
void write_all(const char* start, bool with_selection, const char* end) {
    std::fflush(stdout);
    write_text(start);
    if (with_selection) write_selection(*g_editor);
    write_text(end);
    finish_output();
}

// The run's end: the selection goes back unless something was written, and
// the state goes.
void end_link() {
    hand_back_selection();
    g_ended = true;
    delete g_editor;
    g_editor = nullptr;
}

void start() {
    if (g_editor || g_ended) return;
    // Before the first warning, and before the program or its toolkit can
    // write anything.
    corvane::separate_diagnostics();
    g_editor = new Editor;
    Editor& e = *g_editor;
    read_environment(e);
    prepare_streams();
    if (!input_is_terminal()) read_selection(e);
    std::atexit(end_link);
    hand_back_on_signals();
}

// The state for a call: started at the first call; nullptr once the run has
// ended.
Editor* editor() {
    start();
    return g_editor;
}

}  // namespace

void warn(const char* name, const char* value) {
    std::fprintf(stderr, "pelinorn stand-in: %s has an unknown value \"%s\"; using the default\n", name, value);
}

void read_selection(Editor& e) {
    if (take_input_file(e)) return;
    e.selection_bytes.reserve(size_t(1) << 16);
    for (;;) {
        if (e.selection_size == e.selection_bytes.capacity()) e.selection_bytes.reserve(2 * e.selection_size);
        size_t room = e.selection_bytes.capacity() - e.selection_size;
        size_t got = std::fread(e.selection_bytes.data() + e.selection_size, 1, room, stdin);
        e.selection_size += got;
        if (got < room) break;  // end of input or an error
    }
}

void read_environment(Editor& e) {
    const CodePage cp = link_code_page();
    std::string file;
    if (file_path_utf8(file)) e.file_path = from_utf8(file, cp);
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

void hand_back_selection() {
    if (g_editor && !g_editor->written) {
        g_editor->written = true;
        write_all("", true, "");
    }
}

}  // namespace corvane::standin

using corvane::standin::Editor;
using corvane::standin::editor;
using corvane::standin::g_editor;
using corvane::standin::write_all;

extern "C" {

#if !defined(_WIN32)
PELR_API void pelinorn_standin_start(void) { corvane::standin::start(); }
#endif

PELR_API int PELR_CALL pelr_SetData(const char* start, const char* end) {
    Editor* e = editor();
    if (!e || e->written) return 0;
    e->written = true;
    if (e->selection_cut) {
        // The program worked on the selection up to its first NUL; its
        // replacement would lose the rest, so the selection stays as it was.
        std::fprintf(stderr, "pelinorn stand-in: the selection holds a NUL byte; it is handed back unchanged\n");
        write_all("", true, "");
        return 0;
    }
    write_all(start ? start : "", !e->selection_fetched, end ? end : "");
    return 1;
}

PELR_API const char* PELR_CALL pelr_GetCRLF(void) {
    Editor* e = editor();
    return e ? e->eol.c_str() : "\n";
}

PELR_API const char* PELR_CALL pelr_GetFilePath(void) {
    Editor* e = editor();
    return e ? e->file_path.c_str() : "";
}

PELR_API int PELR_CALL pelr_GetPosAuto(int* left, int* top, int width, int height) {
    Editor* e = editor();
    (void)width;
    (void)height;
    // Just below the caret line (a line is taken as 20 pixels), on screen.
    int x = e ? e->caret_x : 100, y = (e ? e->caret_y : 100) + 20;
    if (left) *left = x < 0 ? 0 : x;
    if (top) *top = y < 0 ? 0 : y;
    return 1;
}

PELR_API int PELR_CALL pelr_GetPosSize(int which) {
    Editor* e = editor();
    if (!e) return 100;
    return which == 0 ? e->caret_x : e->caret_y;
}

PELR_API int PELR_CALL pelr_GetBufSize(int which) {
    Editor* e = editor();
    (void)which;
    return e ? static_cast<int>(e->selection_size) : 0;
}

PELR_API int PELR_CALL pelr_GetData(char* buffer, const char* reserved) {
    Editor* e = editor();
    (void)reserved;
    if (!buffer) return 0;
    if (!e) {
        buffer[0] = '\0';
        return 0;
    }
    bool has_nul = false;
    const size_t n = corvane::standin::copy_selection(*e, buffer, has_nul);
    buffer[n] = '\0';
    e->selection_fetched = true;
    e->selection_cut = has_nul;
    return 1;
}

}  // extern "C"
