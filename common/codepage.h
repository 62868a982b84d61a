// Conversion between UTF-8 (inside the program) and the editor's code page.
#pragma once
#include <string>
#include <string_view>

namespace corvane {

// Utf8: texts pass unchanged.  Cp932: Shift_JIS as Windows has it.
// SystemAnsi: the system's ANSI code page (Windows; 932 on Japanese
// Windows), which the editor speaks there; elsewhere it reads as Utf8.
enum class CodePage { Utf8, Cp932, SystemAnsi };

// Length of the well-formed UTF-8 character starting at s[i] and its code
// point in `cp`.  A byte that starts none (a stray continuation byte, a
// sequence cut short or broken off, an overlong form, a surrogate) counts
// as 1 with its byte value in `cp`.
size_t utf8_next(std::string_view s, size_t i, char32_t& cp);

// Host bytes -> UTF-8.  Bytes the code page does not define become U+FFFD.
std::string to_utf8(std::string_view bytes, CodePage cp);
// UTF-8 -> host bytes.  A character the code page cannot hold is written as
// an HTML numeric character reference (&#NNNNN;) so nothing typed is lost;
// so is each byte that is not part of a well-formed character, with its
// byte value (&#255;).
std::string from_utf8(std::string_view utf8, CodePage cp);

}  // namespace corvane
