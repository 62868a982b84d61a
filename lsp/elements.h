// The element an edit action edits, found around a range of a document
// without reading more of it than lies between the element's tags.
#pragma once
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::lsp {

struct ElementSpan {
    size_t from = 0, to = 0;  // the bytes /EDIT gets
    std::string name;         // as written
};

// The range itself, when it is one element /EDIT edits; otherwise the
// innermost such element around the whole range: start tag to its matching
// end tag, or the start tag alone for an element written without one.
// `edited` and `without_end` say which element names count (catalog.h).
std::optional<ElementSpan> element_around(std::string_view text, size_t from, size_t to,
                                          bool (*edited)(std::string_view), bool (*without_end)(std::string_view));

}  // namespace corvane::lsp
