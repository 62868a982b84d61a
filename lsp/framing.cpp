#include "lsp/framing.h"

#include <algorithm>
#include <cctype>

namespace corvane::lsp {

namespace {

bool starts_with_ignoring_case(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(s[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

// The Content-Length of a header block (its lines without the final empty
// one), or -1 when it has none that reads as a decimal number, or -2 when the
// number is out of range.
long long content_length(std::string_view block) {
    long long length = -1;
    while (!block.empty()) {
        size_t eol = block.find("\r\n");
        std::string_view line = block.substr(0, eol);
        block.remove_prefix(eol == std::string_view::npos ? block.size() : eol + 2);
        if (!starts_with_ignoring_case(line, "Content-Length:")) continue;
        line.remove_prefix(15);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
        if (line.empty() || line.size() > 18) return line.empty() ? -1 : -2;
        long long v = 0;
        for (char c : line) {
            if (c < '0' || c > '9') return -1;
            v = v * 10 + (c - '0');
        }
        length = v;
    }
    return length;
}

}  // namespace

void FrameReader::feed(std::string_view bytes) {
    if (skip_) {
        const size_t n = std::min(skip_, bytes.size());
        skip_ -= n;
        bytes.remove_prefix(n);
    }
    if (used_ > 0 && used_ == buffer_.size()) {
        buffer_.clear();
        used_ = 0;
    }
    buffer_.append(bytes);
}

FrameReader::Frame FrameReader::next() {
    Frame f;
    if (skip_) return f;
    const std::string_view rest = std::string_view(buffer_).substr(used_);
    const size_t blank = rest.find("\r\n\r\n");
    if (blank == std::string_view::npos) {
        if (rest.size() > kMaxHeader) {
            // No header block ends in reach: drop what came, keeping the last
            // bytes, which may begin the next one.
            used_ = buffer_.size() - 3;
            f.kind = Kind::BadHeader;
        }
        return f;
    }
    const long long length = content_length(rest.substr(0, blank));
    const size_t body_from = used_ + blank + 4;
    if (length < 0 && length != -2) {
        used_ = body_from;
        f.kind = Kind::BadHeader;
        return f;
    }
    if (length == -2 || static_cast<unsigned long long>(length) > kMaxBody) {
        const size_t have = buffer_.size() - body_from;
        const size_t want = length == -2 ? SIZE_MAX : static_cast<size_t>(length);
        const size_t take = std::min(have, want);
        used_ = body_from + take;
        skip_ = want - take;
        f.kind = Kind::TooLarge;
        return f;
    }
    if (buffer_.size() - body_from < static_cast<size_t>(length)) return f;
    f.kind = Kind::Message;
    f.body = buffer_.substr(body_from, static_cast<size_t>(length));
    used_ = body_from + static_cast<size_t>(length);
    if (used_ > (size_t(1) << 20) && used_ * 2 > buffer_.size()) {
        buffer_.erase(0, used_);
        used_ = 0;
    }
    return f;
}

std::string frame(std::string_view body) {
    std::string out = "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n";
    out.append(body);
    return out;
}

}  // namespace corvane::lsp
