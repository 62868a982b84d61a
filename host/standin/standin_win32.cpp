// The stand-in link on Windows: its texts are in the system's ANSI code page
// as the editor's are (PELINOR_ENCODING is not read), the environment is
// read as UTF-16, and standard input is always read whole.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "standin/standin.h"

namespace corvane::standin {

void prepare_streams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}

bool input_is_terminal() { return _isatty(_fileno(stdin)); }

CodePage link_code_page() { return CodePage::SystemAnsi; }

// A variable's value as UTF-8: the environment holds UTF-16, which the C
// library's getenv would squeeze through the ANSI code page.
bool file_path_utf8(std::string& out) {
    const wchar_t* w = _wgetenv(L"PELINOR_FILE");
    if (!w) return false;
    int n = WideCharToMultiByte(CP_UTF8, 0, w, -1, nullptr, 0, nullptr, nullptr);
    out.assign(n > 0 ? static_cast<size_t>(n) : 1, '\0');
    if (n > 0) WideCharToMultiByte(CP_UTF8, 0, w, -1, out.data(), n, nullptr, nullptr);
    out.resize(std::strlen(out.c_str()));
    return true;
}

bool take_input_file(Editor&) { return false; }
size_t copy_input_file(const Editor&, char*, size_t, size_t) { return 0; }
void write_input_file(const Editor&) {}
void write_output(const char* p, size_t size) { std::fwrite(p, 1, size, stdout); }
void finish_output() { std::fflush(stdout); }
bool output_takes_memory() { return false; }
void write_output_memory(const char* p, size_t size) { write_output(p, size); }
void hand_back_on_signals() {}

}  // namespace corvane::standin
