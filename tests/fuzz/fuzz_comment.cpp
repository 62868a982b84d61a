// libFuzzer target for the comment command.  Each input is a selection and
// a choice of the host's line break (CR LF, LF or CR).  Properties:
//  - no byte of the selection is lost or changed: the result is the
//    selection with comment marks added around it, or with one comment's
//    marks (and a line break that goes with them) taken out of it;
//  - where the command added a comment, running it again on the result
//    gives back the selection byte for byte (for a selection without a
//    closer of its own, which would end the comment early);
//  - over the link, the command does what the toggle does with the
//    selection cut at its first NUL, and hands over once.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "comment/comment.h"
#include "host/hostlink.h"

using namespace corvane;

namespace {

[[noreturn]] void fail(const char* what, const std::string& sel, const std::string& eol, const std::string& got) {
    std::fprintf(stderr, "comment property broken: %s\nline break:", what);
    for (unsigned char c : eol) std::fprintf(stderr, " %02X", c);
    std::fprintf(stderr, "\nselection: '%s'\nresult:    '%s'\n", sel.c_str(), got.c_str());
    std::abort();
}

bool starts_with(const std::string& s, const std::string& p) { return s.compare(0, p.size(), p) == 0; }

// Whether `inner` can be made out of `outer` by removing bytes only:
// everything taken apart keeps its order.
bool subsequence(const std::string& inner, const std::string& outer) {
    size_t j = 0;
    for (char c : outer)
        if (j < inner.size() && inner[j] == c) ++j;
    return j == inner.size();
}

// The editor's side of the link: the selection as pelr_GetData delivers
// it, cut at its first NUL.
struct Host : HostLink {
    std::string eol, selection, start, end;
    int set_calls = 0;
    void SetData(const std::string& s, const std::string& e) override {
        start = s;
        end = e;
        ++set_calls;
    }
    std::string GetCRLF() override { return eol; }
    std::string GetFilePath() override { return {}; }
    void GetPosAuto(int& l, int& t, int, int) override { l = t = 0; }
    int GetPosSize(int) override { return 0; }
    int GetBufSize(int) override { return static_cast<int>(selection.size()); }
    std::string GetData(int size) override {
        return read_host_buffer(size, [&](char* b) { selection.copy(b, selection.size()); });
    }
    CodePage code_page() const override { return CodePage::Utf8; }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzedDataProvider in(data, size);
    static const std::string kBreaks[] = {"\r\n", "\n", "\r"};
    const std::string eol = kBreaks[in.ConsumeIntegralInRange(0, 2)];
    const std::string sel = in.ConsumeRemainingBytesAsString();

    const CommentResult r = toggle_comment(sel, eol);
    const std::string out = r.start + r.end;
    if (!starts_with(sel, "<!--")) {
        // Commented: the selection stands whole between the marks.
        const std::string head = sel.find("\r\n") != std::string::npos ? "<!-- " + eol : "<!-- ";
        if (!starts_with(r.start, head) || r.start.substr(head.size()) != sel)
            fail("the start text is not the opener and the selection", sel, eol, out);
        if (r.end != " -->" && r.end != " -->" + eol) fail("the end text is not the closer", sel, eol, out);
        // The step that takes a comment apart knows CR LF as its line
        // break; a host break of its own is added only for a selection with
        // CR LF in it, so with another host break such a selection comes
        // back with the added breaks, and is left out here.
        if (sel.find("-->") == std::string::npos && (eol == "\r\n" || sel.find("\r\n") == std::string::npos)) {
            const CommentResult back = toggle_comment(out, eol);
            if (back.start + back.end != sel) fail("commenting twice did not give the selection back", sel, eol,
                                                   back.start + back.end);
        }
    } else {
        // Taken apart: only the marks and a line break around them go; what
        // follows the first closer stays as it was.
        const size_t close = sel.find("-->");
        if (close == std::string::npos) {
            if (out != sel || !r.end.empty()) fail("a selection without a closer changed", sel, eol, out);
        } else {
            const std::string after = sel.substr(close + 3);
            if (r.end != after) fail("the text after the comment changed", sel, eol, out);
            if (!subsequence(r.start, sel.substr(0, close + 3))) fail("the comment's text changed", sel, eol, out);
            if (sel.size() - out.size() > 13) fail("more than the marks were taken out", sel, eol, out);
        }
    }
    // The command over the link does what the toggle does on the selection
    // as the link delivers it.
    Host host;
    host.eol = eol;
    host.selection = sel;
    run_comment_command(host);
    const CommentResult want = toggle_comment(sel.substr(0, sel.find('\0')), eol);
    if (host.set_calls != 1 || host.start != want.start || host.end != want.end)
        fail("the command over the link differs from the toggle", sel, eol, host.start + host.end);
    return 0;
}
