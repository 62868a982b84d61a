// The stand-in link on POSIX systems: a regular file on standard input is
// read only when asked for, and a signal that ends the run hands the
// selection back.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#if defined(__linux__)
#include <sys/sendfile.h>
#include <sys/uio.h>
#endif

#include "standin/standin.h"

namespace corvane::standin {

void prepare_streams() {}

bool input_is_terminal() { return isatty(STDIN_FILENO); }

CodePage link_code_page() {
    const char* enc = std::getenv("PELINOR_ENCODING");
    if (!enc) return CodePage::Utf8;
    if (std::strcmp(enc, "cp932") == 0) return CodePage::Cp932;
    if (std::strcmp(enc, "utf-8") != 0) warn("PELINOR_ENCODING", enc);
    return CodePage::Utf8;
}

bool file_path_utf8(std::string& out) {
    const char* f = std::getenv("PELINOR_FILE");
    if (!f) return false;
    out = f;
    return true;
}

bool take_input_file(Editor& e) {
    struct stat st;
    if (fstat(STDIN_FILENO, &st) != 0 || !S_ISREG(st.st_mode)) return false;
    off_t at = lseek(STDIN_FILENO, 0, SEEK_CUR);
    if (at < 0) return false;
    e.selection_fd = STDIN_FILENO;
    e.selection_from = at;
    e.selection_size = st.st_size > at ? static_cast<size_t>(st.st_size - at) : 0;
    return true;
}

namespace {

// Waits until standard output takes more, when it was opened not to block.
void wait_for_output() {
    struct pollfd p {STDOUT_FILENO, POLLOUT, 0};
    poll(&p, 1, -1);
}

// Writes bytes whole; false when the output fails.  Async-signal-safe.
bool write_raw(const char* p, size_t left) {
    while (left > 0) {
        ssize_t n = write(STDOUT_FILENO, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            wait_for_output();
            continue;
        }
        if (n <= 0) return false;
        p += n;
        left -= static_cast<size_t>(n);
    }
    return true;
}

#if defined(__linux__)
// From this size on a text goes into a pipe as the caller's own pages.
constexpr size_t kLendFrom = size_t(1) << 20;

// -1 before the first look, then whether standard output is a pipe.
int g_output_is_pipe = -1;
#endif

}  // namespace

void write_output(const char* p, size_t size) { write_raw(p, size); }

void finish_output() {}

#if defined(__linux__)
bool output_takes_memory() {
    if (g_output_is_pipe < 0) {
        struct stat st;
        g_output_is_pipe = fstat(STDOUT_FILENO, &st) == 0 && S_ISFIFO(st.st_mode);
    }
    return g_output_is_pipe == 1;
}

// The pipe gets references to the text's pages (vmsplice) and its reader
// copies from them: the text is not copied on this side.  The pipe may
// still hold such references when vmsplice returns, and the caller may
// change or reuse its memory once this call returns; so the text's last
// part, as much as the pipe holds, is written as a copy, and that write
// ends only once the reader has taken everything before it.
void write_output_memory(const char* p, size_t size) {
    const int capacity = size >= kLendFrom ? fcntl(STDOUT_FILENO, F_GETPIPE_SZ) : -1;
    size_t lend = capacity > 0 && size >= kLendFrom + static_cast<size_t>(capacity) ? size - static_cast<size_t>(capacity) : 0;
    while (lend > 0) {
        struct iovec piece {const_cast<char*>(p), lend};
        ssize_t n = vmsplice(STDOUT_FILENO, &piece, 1, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            wait_for_output();
            continue;
        }
        if (n <= 0) break;  // the rest as copies; a failing output fails there too
        p += n;
        size -= static_cast<size_t>(n);
        lend -= static_cast<size_t>(n);
    }
    write_raw(p, size);
}
#else
bool output_takes_memory() { return false; }
void write_output_memory(const char* p, size_t size) { write_raw(p, size); }
#endif

size_t copy_input_file(const Editor& e, char* buffer, size_t offset, size_t size) {
    size_t done = 0;
    while (done < size) {
        ssize_t n = pread(e.selection_fd, buffer + done, size - done,
                          static_cast<off_t>(e.selection_from + static_cast<long long>(offset + done)));
        if (n <= 0) break;
        done += static_cast<size_t>(n);
    }
    return done;
}

void write_input_file(const Editor& e) {
    off_t at = static_cast<off_t>(e.selection_from);
    size_t left = e.selection_size;
#if defined(__linux__)
    // The kernel copies file to output itself, without a pass through this
    // process's memory.
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
        write_output(chunk, static_cast<size_t>(n));
        at += n;
        left -= static_cast<size_t>(n);
    }
}

namespace {

// A run that dies of a signal (a crash, an abort, the editor or the user
// stopping it) still hands the selection back, so a filtering editor keeps
// its text; then the signal ends the run as it would have, and the exit
// status says so.  Only async-signal-safe calls here.

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

}  // namespace

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

}  // namespace corvane::standin
