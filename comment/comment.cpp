#include "comment/comment.h"

#include <algorithm>
#include <cstring>

#include "common/bytebuffer.h"
#include "host/hostlink.h"

namespace corvane {

namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kOpener = "<!-- ";

bool starts_with(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }
bool ends_with(std::string_view s, std::string_view p) {
    return s.size() >= p.size() && s.substr(s.size() - p.size()) == p;
}

// Whether a followed by b ends with CR LF.
bool joined_ends_with_crlf(std::string_view a, std::string_view b) {
    if (b.size() >= 2) return ends_with(b, kCrLf);
    if (b.size() == 1) return b[0] == '\n' && ends_with(a, "\r");
    return ends_with(a, kCrLf);
}

// The toggle, as parts of the selection: the start text is `start_head`
// followed by selection[start_from, start_to); the end text is
// selection[end_from, end) followed by `end_tail`.  Working on positions
// lets the command build a large start text in place.
struct Plan {
    std::string start_head;
    size_t start_from = 0, start_to = 0;
    size_t end_from = 0;
    std::string end_tail;
};

// What the toggle looks for in the whole selection, by how it starts: the
// closer of the comment to take apart, or a CR LF that makes the comment
// one of lines.
std::string_view needle_for(std::string_view head) { return starts_with(head, "<!--") ? "-->" : kCrLf; }

// `found`: where the closer first occurs in the selection.
Plan uncomment(std::string_view sel, size_t close) {
    Plan p;
    if (close == std::string_view::npos) {  // no closer: handed back unchanged
        p.start_to = p.end_from = sel.size();
        return p;
    }
    p.end_from = close + 3;
    std::string_view work = sel.substr(0, close + 3);
    for (std::string_view opener : {"<!-- \r\n", "<!--\r\n", "<!-- ", "<!--"}) {
        if (starts_with(work, opener)) {
            work.remove_prefix(opener.size());
            break;
        }
    }
    // The opener and closer may overlap ("<!-->"): then the working text is
    // shorter than the closer and the cut leaves nothing.
    bool end_has_break = starts_with(sel.substr(p.end_from), kCrLf);
    size_t cut;
    if (ends_with(work, "\r\n -->")) cut = end_has_break ? 6 : 4;
    else if (ends_with(work, "\r\n-->")) cut = end_has_break ? 5 : 3;
    else if (ends_with(work, " -->")) cut = 4;
    else cut = 3;
    p.start_from = static_cast<size_t>(work.data() - sel.data());
    p.start_to = p.start_from + (work.size() > cut ? work.size() - cut : 0);
    return p;
}

// `crlf`: where a CR LF first occurs in the selection.
Plan comment(std::string_view sel, std::string_view eol, size_t crlf) {
    Plan p;
    p.start_head = kOpener;
    if (crlf != std::string_view::npos) p.start_head += eol;
    p.start_to = p.end_from = sel.size();
    p.end_tail = " -->";
    if (joined_ends_with_crlf(p.start_head, sel)) p.end_tail += eol;
    return p;
}

// `found`: where needle_for(selection) first occurs in it.
Plan plan(std::string_view selection, std::string_view host_eol, size_t found) {
    if (starts_with(selection, "<!--")) return uncomment(selection, found);
    return comment(selection, host_eol, found);
}

Plan plan(std::string_view selection, std::string_view host_eol) {
    return plan(selection, host_eol, selection.find(needle_for(selection)));
}

struct Scan {
    size_t length;  // up to the first NUL
    size_t found;   // the needle's first place before it, or npos
};

// Measures a NUL-terminated text of at most `capacity` bytes and looks for
// `needle` in it, in one walk a block at a time: each block is searched
// while measuring it has just brought it into the cache, where a second
// whole pass would read a large text from memory again.
Scan measure_and_find(const char* text, size_t capacity, std::string_view needle) {
    constexpr size_t kBlock = size_t(16) << 10;
    Scan r{0, std::string_view::npos};
    while (r.length < capacity) {
        const size_t want = std::min(kBlock, capacity - r.length);
        const size_t n = strnlen(text + r.length, want);
        if (r.found == std::string_view::npos) {
            // A match may begin in the block before and end in this one.
            const size_t from = r.length - std::min(r.length, needle.size() - 1);
            const size_t at = std::string_view(text + from, r.length + n - from).find(needle);
            if (at != std::string_view::npos) r.found = from + at;
        }
        r.length += n;
        if (n < want) break;
    }
    return r;
}

}  // namespace

CommentResult toggle_comment(std::string_view selection, std::string_view host_eol) {
    Plan p = plan(selection, host_eol);
    CommentResult r;
    r.start.reserve(p.start_head.size() + (p.start_to - p.start_from));
    r.start += p.start_head;
    r.start += selection.substr(p.start_from, p.start_to - p.start_from);
    r.end = selection.substr(p.end_from);
    r.end += p.end_tail;
    return r;
}

void run_comment_command(HostLink& host) {
    const std::string eol = host.GetCRLF();
    const int size = host.GetBufSize(1);
    // One area for the selection with room before it for the opener and a
    // line break: the start text is built in place, so that a large
    // selection is held once on this side of the link.  The selection
    // itself starts on a cache line: the host copies it in, and a copy to
    // a place out of line with its source runs at half the speed or worse.
    constexpr size_t kLine = 64;
    const size_t room = (kOpener.size() + eol.size() + kLine - 1) / kLine * kLine;
    const size_t capacity = static_cast<size_t>(std::max(size, 0));
    ByteBuffer buffer(room + capacity + 1);
    char* sel = buffer.data() + room;
    if (size >= 0) host.FillDataInto(sel, size);
    // Its length and where the toggle's marker is, in one walk over it.
    const Scan scan = measure_and_find(sel, capacity, needle_for(std::string_view(sel, std::min<size_t>(capacity, 4))));
    const size_t n = scan.length;
    const Plan p = plan(std::string_view(sel, n), eol, scan.found);

    // The end text: a tail of the selection (already NUL-terminated by the
    // buffer), or a short text of its own.
    std::string end_text = p.end_tail;
    const char* end = end_text.c_str();
    if (p.end_from < n) {
        if (p.end_tail.empty() && p.start_to < p.end_from) {
            end = sel + p.end_from;
        } else {
            end_text = std::string(sel + p.end_from, n - p.end_from) + p.end_tail;
            end = end_text.c_str();
        }
    }
    // The start text: its head written just before its part of the
    // selection, a NUL just after.
    char* start = sel + p.start_from - p.start_head.size();
    std::memcpy(start, p.start_head.data(), p.start_head.size());
    sel[p.start_to] = '\0';
    host.SetDataRaw(start, end);
}

}  // namespace corvane
