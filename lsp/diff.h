// The smallest edits that turn one text into another, cut only between
// characters.
#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::lsp {

struct ByteEdit {
    size_t from = 0, to = 0;  // bytes of the old text replaced
    std::string text;
};

// Edits in ascending order, none overlapping; applied together to `before`
// they give `after`.  Past a few hundred changed characters the middle that
// differs is one replacement.
std::vector<ByteEdit> smallest_edits(std::string_view before, std::string_view after);

// What a wrapping dialog handed back, `out`, split into the start text and
// the end text around the selection `sel`; false when `out` does not hold
// the selection between two texts.
bool split_wrapped(std::string_view out, std::string_view sel, std::string& start, std::string& end);

}  // namespace corvane::lsp
