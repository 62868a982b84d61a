// The stand-in link's state and the parts of it that differ by system: the
// portable core (standin.cpp) and one file per system (standin_posix.cpp,
// standin_win32.cpp), which CMake chooses.
#pragma once
#include <cstddef>
#include <string>

#include "common/bytebuffer.h"
#include "common/codepage.h"

namespace corvane::standin {

struct Editor {
    std::string file_path;
    std::string eol = "\n";
    int caret_x = 100;
    int caret_y = 100;
    // The selection: standard input read whole into selection_bytes; or,
    // where the system allows, when standard input is a regular file (as
    // editors hand over a filter's input), that file from its current
    // offset, read only when asked for, so a large selection is never held
    // twice.
    ByteBuffer selection_bytes;
    int selection_fd = -1;
    long long selection_from = 0;
    size_t selection_size = 0;
    bool selection_fetched = false;
    // The fetched selection holds a NUL byte, so the program saw it cut
    // short there.
    bool selection_cut = false;
    bool written = false;
};

// The link's state while it runs: from its start to the end of the run.
extern Editor* g_editor;

// --- The portable core (standin.cpp).
void warn(const char* name, const char* value);
// The editor's state from the environment: file path, line break, caret.
void read_environment(Editor& e);
// Standard input: left where it is when the system can read it later
// (read_input_file), else read whole into one area that grows without
// copying (a selection may be large).
void read_selection(Editor& e);
// Writes the replacement once; without pelr_SetData, the selection.
void hand_back_selection();

// --- What each system does its own way (standin_posix.cpp,
// standin_win32.cpp).
// Before the first read or write: the streams carry bytes, not text.
void prepare_streams();
bool input_is_terminal();
// The code page of the link's texts, and PELINOR_FILE as UTF-8.
CodePage link_code_page();
bool file_path_utf8(std::string& out);
// Standard input as a file read when asked for; false when it is none.
bool take_input_file(Editor& e);
// The selection of an input file: `size` bytes from `offset` on copied into
// `buffer` (returns the bytes copied), or all of it written to standard
// output.
size_t copy_input_file(const Editor& e, char* buffer, size_t offset, size_t size);
void write_input_file(const Editor& e);
// Writes bytes to standard output whole, after what the C library's stream
// held (write_all flushes it first); finish_output after the last.
void write_output(const char* p, size_t size);
void finish_output();
// Whether standard output can take a text's memory itself rather than a
// copy of it (a pipe, on Linux); then write_output_memory writes a text so.
// The text must stay as it is only until the call returns.
bool output_takes_memory();
void write_output_memory(const char* p, size_t size);
// A run that a signal ends still hands the selection back.
void hand_back_on_signals();

}  // namespace corvane::standin
