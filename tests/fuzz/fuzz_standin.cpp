// libFuzzer target for the stand-in editor link's inputs: PELINOR_CARET,
// PELINOR_EOL, PELINOR_ENCODING and PELINOR_FILE values and a selection (NUL
// bytes included) on standard input, a pipe or a regular file.  The link's
// own functions run as the program calls them, or the run fails part way.
// Properties:
//  - the line break is one of the three, the caret the value given or the
//    default, the file path the value in the link's code page;
//  - pelr_GetData delivers the selection;
//  - standard output gets the replacement once; on any failure (no
//    pelr_SetData, or a replacement made from a selection cut at a NUL)
//    it gets the selection back whole.
#include "standin/standin.cpp"

#include <fuzzer/FuzzedDataProvider.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <vector>

using namespace corvane::standin;

namespace {

[[noreturn]] void fail(const char* what, const std::string& sel, const std::string& got) {
    std::fprintf(stderr, "stand-in property broken: %s\nselection (%zu bytes), output (%zu bytes): '%s'\n", what,
                 sel.size(), got.size(), got.c_str());
    std::abort();
}

void set(const char* name, FuzzedDataProvider& in) {
    if (in.ConsumeBool()) {
        unsetenv(name);
        return;
    }
    static const char* const kKnown[] = {"crlf", "lf", "cr", "utf-8", "cp932", "0,0", "-20,1200", "12,34,56"};
    std::string v = in.ConsumeBool() ? kKnown[in.ConsumeIntegralInRange<size_t>(0, std::size(kKnown) - 1)]
                                     : in.ConsumeRandomLengthString(32);
    setenv(name, v.c_str(), 1);
}

std::string read_all(int fd) {
    std::string out;
    char buf[4096];
    ssize_t n;
    off_t at = 0;
    while ((n = pread(fd, buf, sizeof buf, at)) > 0) {
        out.append(buf, static_cast<size_t>(n));
        at += n;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    set("PELINOR_CARET", in);
    set("PELINOR_EOL", in);
    set("PELINOR_ENCODING", in);
    set("PELINOR_FILE", in);
    const int mode = in.ConsumeIntegralInRange(0, 3);
    const bool as_file = in.ConsumeBool();
    const std::string start = in.ConsumeRandomLengthString(16), end = in.ConsumeRandomLengthString(16);
    const std::string sel = in.ConsumeRemainingBytesAsString();

    // Standard input holds the selection; standard output and standard
    // error go to files of their own while the link runs.
    const int saved_in = dup(0), saved_out = dup(1), saved_err = dup(2);
    int src;
    if (as_file) {
        src = memfd_create("selection", 0);
        if (write(src, sel.data(), sel.size()) != static_cast<ssize_t>(sel.size())) std::abort();
        lseek(src, 0, SEEK_SET);
    } else {
        int p[2];
        if (pipe(p) != 0) std::abort();
        fcntl(p[1], F_SETPIPE_SZ, 1 << 20);
        if (write(p[1], sel.data(), sel.size()) != static_cast<ssize_t>(sel.size())) std::abort();
        close(p[1]);
        src = p[0];
    }
    const int out = memfd_create("out", 0), err = memfd_create("err", 0);
    dup2(src, 0);
    close(src);
    dup2(out, 1);
    dup2(err, 2);
    clearerr(stdin);

    Editor e;
    read_environment(e);
    read_selection(e);
    g_editor = &e;
    const std::string eol = pelr_GetCRLF(), path = pelr_GetFilePath();
    const int x = pelr_GetPosSize(0), y = pelr_GetPosSize(1);
    const int n = pelr_GetBufSize(1);
    std::vector<char> buffer(static_cast<size_t>(n < 0 ? 0 : n) + 1, 'x');
    std::string fetched;
    if (mode == 1 || mode == 3) {
        pelr_GetData(buffer.data(), "");
        fetched.assign(buffer.data(), static_cast<size_t>(n));
    }
    if (mode == 1 || mode == 2) pelr_SetData(start.c_str(), end.c_str());
    hand_back_selection();  // the run's end: a run without pelr_SetData fails
    std::fflush(stdout);
    g_editor = nullptr;

    dup2(saved_in, 0);
    dup2(saved_out, 1);
    dup2(saved_err, 2);
    close(saved_in);
    close(saved_out);
    close(saved_err);
    const std::string got = read_all(out);
    close(out);
    close(err);

    if (eol != "\n" && eol != "\r\n" && eol != "\r") fail("a line break that is none of the three", sel, eol);
    const char* caret = std::getenv("PELINOR_CARET");
    if (!(x == 100 && y == 100) && !(caret && std::strchr(caret, ','))) fail("a caret out of nothing", sel, got);
    const char* enc = std::getenv("PELINOR_ENCODING");
    const corvane::CodePage cp = enc && std::strcmp(enc, "cp932") == 0 ? corvane::CodePage::Cp932 : corvane::CodePage::Utf8;
    const char* file = std::getenv("PELINOR_FILE");
    if (path != (file ? corvane::from_utf8(file, cp) : std::string())) fail("the file path changed", sel, path);
    if (static_cast<size_t>(n) != sel.size()) fail("the size is not the selection's", sel, got);
    if (!fetched.empty() && fetched != sel) fail("pelr_GetData did not deliver the selection", sel, fetched);
    const bool cut = mode == 1 && sel.find('\0') != std::string::npos;
    const std::string want = mode == 0 || mode == 3 || cut ? sel : mode == 1 ? start.c_str() + std::string(end.c_str())
                                                                       : std::string(start.c_str()) + sel + end.c_str();
    if (got != want) fail(cut || mode == 0 || mode == 3 ? "the selection did not come back whole" : "the replacement is wrong",
                          sel, got);
    return 0;
}
