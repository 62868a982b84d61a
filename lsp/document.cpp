#include "lsp/document.h"

#include <algorithm>

namespace corvane::lsp {

namespace {

// Appends the offsets after each line break of text[from, to) to `out`; a
// CR LF pair is one break, and so is a lone CR or a lone LF.
void find_breaks(const std::string& text, size_t from, size_t to, std::vector<size_t>& out) {
    for (size_t i = from; i < to; ++i) {
        const char c = text[i];
        if (c == '\n') {
            out.push_back(i + 1);
        } else if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
            out.push_back(i + 1);
        }
    }
}

// Bytes of the character at text[i] (i < end), never past `end`: a byte
// that begins no well-formed sequence counts alone.
size_t char_bytes(const std::string& text, size_t i, size_t end) {
    const size_t n = utf8_length(static_cast<unsigned char>(text[i]));
    if (n == 1 || i + n > end) return 1;
    for (size_t k = 1; k < n; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return 1;
    return n;
}

}  // namespace

const char* encoding_name(Encoding e) {
    switch (e) {
        case Encoding::Utf8: return "utf-8";
        case Encoding::Utf32: return "utf-32";
        default: return "utf-16";
    }
}

size_t utf8_length(unsigned char lead) {
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    return 1;
}

size_t units(size_t bytes, Encoding e) {
    switch (e) {
        case Encoding::Utf8: return bytes;
        case Encoding::Utf16: return bytes == 4 ? 2 : 1;
        default: return 1;
    }
}

Document::Document(std::string text) : text_(std::move(text)) {
    starts_.push_back(0);
    find_breaks(text_, 0, text_.size(), starts_);
}

size_t Document::line_end(size_t line) const {
    if (line + 1 >= starts_.size()) return text_.size();
    size_t end = starts_[line + 1];
    if (end > starts_[line] && text_[end - 1] == '\n') --end;
    if (end > starts_[line] && text_[end - 1] == '\r') --end;
    return end;
}

size_t Document::offset(Position p, Encoding e) const {
    if (p.line < 0) return 0;
    if (static_cast<uint64_t>(p.line) >= starts_.size()) return text_.size();
    const size_t line = static_cast<size_t>(p.line);
    const size_t from = starts_[line], end = line_end(line);
    if (p.character <= 0) return from;
    uint64_t left = static_cast<uint64_t>(p.character);
    size_t i = from;
    while (i < end) {
        const size_t n = char_bytes(text_, i, end);
        const size_t u = units(n, e);
        if (left < u) break;  // inside this character: its start
        left -= u;
        i += n;
        if (left == 0) break;
    }
    return i;
}

Position Document::position(size_t offset, Encoding e) const {
    offset = std::min(offset, text_.size());
    const auto it = std::upper_bound(starts_.begin(), starts_.end(), offset);
    const size_t line = static_cast<size_t>(it - starts_.begin()) - 1;
    const size_t end = std::min(offset, line_end(line));
    Position p;
    p.line = static_cast<int64_t>(line);
    for (size_t i = starts_[line]; i < end;) {
        const size_t n = char_bytes(text_, i, text_.size());
        p.character += static_cast<int64_t>(units(n, e));
        i += n;
    }
    return p;
}

void Document::replace(size_t from, size_t to, std::string_view with) {
    to = std::min(to, text_.size());
    from = std::min(from, to);
    // The lines looked at again: from the line before the one holding
    // `from` (a CR ending it may now meet an LF) to the line start after
    // the one that follows `to`, whose line break lies wholly after the
    // change and is left as it was.
    size_t first = static_cast<size_t>(std::upper_bound(starts_.begin(), starts_.end(), from) - starts_.begin()) - 1;
    if (first > 0) --first;
    size_t last = static_cast<size_t>(std::upper_bound(starts_.begin(), starts_.end(), to) - starts_.begin());
    if (last < starts_.size()) ++last;
    const size_t lo = starts_[first];
    const size_t hi_old = last < starts_.size() ? starts_[last] : text_.size();
    const ptrdiff_t delta = static_cast<ptrdiff_t>(with.size()) - static_cast<ptrdiff_t>(to - from);
    text_.replace(from, to - from, with);
    const size_t hi_new = static_cast<size_t>(static_cast<ptrdiff_t>(hi_old) + delta);

    std::vector<size_t> found;
    find_breaks(text_, lo, hi_new, found);
    // At the end of the text, a break found there is the start of the
    // empty last line; inside, the break before hi ends on hi itself.
    const size_t keep_tail = last < starts_.size() ? last + 1 : starts_.size();
    auto at = starts_.erase(starts_.begin() + static_cast<ptrdiff_t>(first) + 1,
                            starts_.begin() + static_cast<ptrdiff_t>(keep_tail));
    at = starts_.insert(at, found.begin(), found.end()) + static_cast<ptrdiff_t>(found.size());
    for (; at != starts_.end(); ++at) *at = static_cast<size_t>(static_cast<ptrdiff_t>(*at) + delta);
}

const char* Document::line_break_name() const {
    for (size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\n') return "lf";
        if (text_[i] == '\r') return i + 1 < text_.size() && text_[i + 1] == '\n' ? "crlf" : "cr";
    }
    return "lf";
}

}  // namespace corvane::lsp
