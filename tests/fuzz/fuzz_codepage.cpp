// libFuzzer target for the code-page conversions.  Each input is read three
// ways: as CP932 bytes, as UTF-8 bytes, and as a list of Unicode characters.
// Properties:
//  - UTF-8 -> CP932 -> UTF-8 gives back every character CP932 can hold, and
//    each one it cannot hold comes out as its character reference &#N;;
//  - a byte that is not part of a well-formed UTF-8 character comes out as
//    the character reference of its byte value, so nothing is dropped;
//  - a byte CP932 does not define becomes one U+FFFD: converted back, the
//    text is as long as the bytes were, one byte per U+FFFD.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/codepage.h"

using namespace corvane;

namespace {

[[noreturn]] void fail(const char* what, const std::string& in, const std::string& got) {
    std::fprintf(stderr, "code page property broken: %s\ninput:", what);
    for (unsigned char c : in) std::fprintf(stderr, " %02X", c);
    std::fprintf(stderr, "\ngot:  ");
    for (unsigned char c : got) std::fprintf(stderr, " %02X", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

std::string encode(char32_t c) {
    std::string s;
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xF0 | (c >> 18));
        s += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
    return s;
}

// The well-formed UTF-8 character at s[i], as its length; 0 for a byte that
// starts none.
size_t well_formed(const std::string& s, size_t i) {
    for (size_t n = 1; n <= 4 && i + n <= s.size(); ++n) {
        const std::string one = s.substr(i, n);
        char32_t c = 0;
        const unsigned char b0 = static_cast<unsigned char>(one[0]);
        c = n == 1 ? b0 : n == 2 ? (b0 & 0x1F) : n == 3 ? (b0 & 0x0F) : (b0 & 0x07);
        for (size_t k = 1; k < n; ++k) c = (c << 6) | (static_cast<unsigned char>(one[k]) & 0x3F);
        if (c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF) && encode(c) == one) return n;
    }
    return 0;
}

char32_t random_char(FuzzedDataProvider& in) {
    switch (in.ConsumeIntegralInRange(0, 3)) {
        case 0: return in.ConsumeIntegralInRange<char32_t>(0, 0x7F);
        case 1: return in.ConsumeIntegralInRange<char32_t>(0x3000, 0x9FFF);  // kana and kanji
        case 2: return in.ConsumeIntegralInRange<char32_t>(0xFF00, 0xFFEF);  // full and half width
        default: {
            char32_t c = in.ConsumeIntegralInRange<char32_t>(0x80, 0x10FFFF);
            return c >= 0xD800 && c <= 0xDFFF ? c - 0x800 : c;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string raw(reinterpret_cast<const char*>(data), size);

    // UTF-8 passes unchanged both ways.
    if (to_utf8(raw, CodePage::Utf8) != raw || from_utf8(raw, CodePage::Utf8) != raw)
        fail("UTF-8 changed on the way", raw, raw);

    // Bytes as UTF-8 into CP932: well-formed characters as they convert one
    // by one, every other byte as &#<byte>;.
    std::string want;
    for (size_t i = 0; i < raw.size();) {
        size_t n = well_formed(raw, i);
        if (n == 0) {
            want += "&#" + std::to_string(static_cast<unsigned char>(raw[i])) + ";";
            ++i;
        } else {
            want += from_utf8(raw.substr(i, n), CodePage::Cp932);
            i += n;
        }
    }
    const std::string got = from_utf8(raw, CodePage::Cp932);
    if (got != want) fail("UTF-8 bytes to CP932 dropped or changed bytes", raw, got);

    // Bytes as CP932 into UTF-8: one U+FFFD per undefined byte, nothing lost.
    std::string bytes = raw;
    for (char& c : bytes)
        if (c == '&') c = '+';  // keeps the count below free of literal references
    const std::string utf8 = to_utf8(bytes, CodePage::Cp932);
    std::string back = from_utf8(utf8, CodePage::Cp932);
    std::string counted;
    for (size_t i = 0; i < back.size(); ++i) {
        if (back.compare(i, 8, "&#65533;") == 0) {
            counted += '?';
            i += 7;
        } else if (back[i] == '&') {
            fail("a CP932 byte came back as a reference", bytes, back);
        } else {
            counted += back[i];
        }
    }
    if (counted.size() != bytes.size()) fail("CP932 bytes to UTF-8 lost or added bytes", bytes, utf8);

    // Unicode text: every character CP932 holds comes back, each other one
    // as its reference; the whole text converts as its characters do.
    FuzzedDataProvider in(data, size);
    std::string text, expect;
    while (in.remaining_bytes() > 0) {
        const char32_t c = random_char(in);
        const std::string one = encode(c);
        const std::string cp932 = from_utf8(one, CodePage::Cp932);
        const std::string ref = "&#" + std::to_string(static_cast<unsigned long>(c)) + ";";
        if (cp932 == ref && c != '&') {
            expect += ref;
        } else {
            if (to_utf8(cp932, CodePage::Cp932) != one) fail("a character CP932 holds did not come back", one, cp932);
            expect += one;
        }
        text += one;
    }
    const std::string round = to_utf8(from_utf8(text, CodePage::Cp932), CodePage::Cp932);
    if (round != expect) fail("the text did not come back character by character", text, round);
    return 0;
}
