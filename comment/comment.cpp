#include "comment/comment.h"

#include "host/hostlink.h"

namespace corvane {

namespace {

constexpr std::string_view kCrLf = "\r\n";

bool starts_with(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
bool ends_with(std::string_view s, std::string_view p) {
    return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

CommentResult uncomment(std::string_view sel) {
    size_t close = sel.find("-->");
    if (close == std::string_view::npos) return {std::string(sel), std::string()};
    std::string_view end = sel.substr(close + 3);
    std::string_view work = sel.substr(0, close + 3);

    for (std::string_view opener : {"<!-- \r\n", "<!--\r\n", "<!-- ", "<!--"}) {
        if (starts_with(work, opener)) {
            work.remove_prefix(opener.size());
            break;
        }
    }
    // The opener and closer may overlap ("<!-->"): then the working text is
    // shorter than the closer and the cut leaves nothing.
    bool end_has_break = starts_with(end, kCrLf);
    size_t cut;
    if (ends_with(work, "\r\n -->")) cut = end_has_break ? 6 : 4;
    else if (ends_with(work, "\r\n-->")) cut = end_has_break ? 5 : 3;
    else if (ends_with(work, " -->")) cut = 4;
    else cut = 3;
    work = work.size() > cut ? work.substr(0, work.size() - cut) : std::string_view();
    return {std::string(work), std::string(end)};
}

CommentResult comment(std::string_view sel, std::string_view eol) {
    CommentResult r;
    bool multi_line = sel.find(kCrLf) != std::string_view::npos;
    r.start.reserve(5 + eol.size() + sel.size());
    r.start += "<!-- ";
    if (multi_line) r.start += eol;
    r.start += sel;
    r.end = " -->";
    if (ends_with(r.start, kCrLf)) r.end += eol;
    return r;
}

}  // namespace

CommentResult toggle_comment(std::string_view selection, std::string_view host_eol) {
    if (starts_with(selection, "<!--")) return uncomment(selection);
    return comment(selection, host_eol);
}

void run_comment_command(HostLink& host) {
    std::string eol = host.GetCRLF();
    int size = host.GetBufSize(1);
    std::string selection = host.GetData(size);
    CommentResult r = toggle_comment(selection, eol);
    selection = std::string();  // the results own their copy; free the selection early
    host.SetData(r.start, r.end);
}

}  // namespace corvane
