// An open document of the language server: its text in UTF-8, the offsets
// where its lines start, and the one place where the client's positions
// (line, character in the negotiated encoding) become byte offsets and back.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::lsp {

// How a position's character counts: bytes of UTF-8, UTF-16 code units, or
// code points.
enum class Encoding { Utf8, Utf16, Utf32 };
const char* encoding_name(Encoding e);

struct Position {
    int64_t line = 0;
    int64_t character = 0;
};

class Document {
public:
    explicit Document(std::string text = {});

    const std::string& text() const { return text_; }
    size_t line_count() const { return starts_.size(); }

    // The byte offset of a position.  A line past the last one is the end
    // of the document; a character past its line's end is that end (before
    // the line break); a character inside a UTF-8 sequence or between the
    // two halves of a surrogate pair is the start of that character.
    size_t offset(Position p, Encoding e) const;
    Position position(size_t offset, Encoding e) const;

    // Replaces bytes [from, to) with `with`; only the lines the change
    // touches are looked at again.
    void replace(size_t from, size_t to, std::string_view with);

    // "crlf", "lf" or "cr": the document's first line break, "lf" when it
    // has none.
    const char* line_break_name() const;

private:
    size_t line_end(size_t line) const;  // before its line break
    std::string text_;
    std::vector<size_t> starts_;  // starts_[0] == 0; one more after each break
};

// Length of the UTF-8 sequence a byte begins (1 for a byte that begins none).
size_t utf8_length(unsigned char lead);
// How many units a character of `bytes` UTF-8 bytes counts in `e`.
size_t units(size_t bytes, Encoding e);

}  // namespace corvane::lsp
