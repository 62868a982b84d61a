// The base protocol's framing: header lines ending in CR LF, an empty line,
// then exactly Content-Length bytes of body.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>

namespace corvane::lsp {

class FrameReader {
public:
    // What next() found.
    enum class Kind { None, Message, BadHeader, TooLarge };
    struct Frame {
        Kind kind = Kind::None;
        std::string body;
    };

    void feed(std::string_view bytes);
    // The next complete frame, or Kind::None when more bytes are needed.  A
    // header block without a usable Content-Length is reported and skipped;
    // so is a body longer than the limit, whose bytes are dropped as they
    // come, never held.
    Frame next();
    bool idle() const { return buffer_.size() == used_ && skip_ == 0; }

    static constexpr size_t kMaxBody = size_t(64) << 20;
    static constexpr size_t kMaxHeader = 8192;

private:
    std::string buffer_;
    size_t used_ = 0;  // bytes of buffer_ already taken
    size_t skip_ = 0;  // bytes of an over-long body still to drop
};

std::string frame(std::string_view body);

}  // namespace corvane::lsp
