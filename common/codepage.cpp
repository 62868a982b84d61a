#include "common/codepage.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <iconv.h>
#endif

namespace corvane {

size_t utf8_next(std::string_view s, size_t i, char32_t& cp) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    cp = c;
    const size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    if (n == 1 || i + n > s.size()) return 1;
    char32_t code = n == 2 ? (c & 0x1Fu) : n == 3 ? (c & 0x0Fu) : (c & 0x07u);
    for (size_t k = 1; k < n; ++k) {
        const unsigned char t = static_cast<unsigned char>(s[i + k]);
        if ((t & 0xC0) != 0x80) return 1;  // not a continuation byte: the lead stands alone
        code = (code << 6) | (t & 0x3Fu);
    }
    // Overlong forms, UTF-16 surrogates and values beyond U+10FFFF are no
    // characters: their first byte stands alone too.
    static constexpr char32_t kLeast[] = {0, 0, 0x80, 0x800, 0x10000};
    if (code < kLeast[n] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) return 1;
    cp = code;
    return n;
}

namespace {

#ifndef _WIN32
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error("iconv cannot convert to CP932");
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much as possible; returns the number of input bytes used.
    size_t run(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        size_t left = in.size();
        char buf[4096];
        while (left > 0) {
            char* dst = buf;
            size_t room = sizeof buf;
            size_t r = iconv(cd_, &src, &left, &dst, &room);
            out.append(buf, static_cast<size_t>(dst - buf));
            if (r == static_cast<size_t>(-1) && errno != E2BIG) break;
        }
        return in.size() - left;
    }

private:
    iconv_t cd_;
};
#endif

}  // namespace

#ifdef _WIN32
namespace {

UINT windows_code_page(CodePage cp) { return cp == CodePage::Cp932 ? 932 : CP_ACP; }

std::wstring widen(std::string_view s, UINT cp) {
    if (s.empty()) return {};
    int n = MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(n), L'\0');
    if (n > 0) MultiByteToWideChar(cp, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
    return w;
}

// UTF-16 -> `cp`; `exact` tells whether every character made it.  A code
// page such as 932 knows no stand-ins for what it lacks ("best fit" would
// make a yen sign out of a backslash's neighbour or '?' out of an emoji), so
// those are refused and counted as lost.
std::string narrow(std::wstring_view w, UINT cp, bool& exact) {
    exact = true;
    if (w.empty()) return {};
    const bool utf8 = cp == CP_UTF8 || (cp == CP_ACP && GetACP() == CP_UTF8);
    BOOL lost = FALSE;
    DWORD flags = utf8 ? 0 : WC_NO_BEST_FIT_CHARS;
    BOOL* lost_ptr = utf8 ? nullptr : &lost;
    int n = WideCharToMultiByte(cp, flags, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, lost_ptr);
    if (n <= 0 && !utf8) {
        // A code page that takes no flags: convert plainly and check by the
        // way back.
        flags = 0;
        lost_ptr = nullptr;
        n = WideCharToMultiByte(cp, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    }
    std::string out(static_cast<size_t>(n > 0 ? n : 0), '\0');
    if (n > 0) WideCharToMultiByte(cp, flags, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, lost_ptr);
    if (lost) exact = false;
    else if (!utf8 && !lost_ptr) exact = widen(out, cp) == w;
    return out;
}

}  // namespace
#endif

std::string to_utf8(std::string_view bytes, CodePage cp) {
    if (cp == CodePage::Utf8) return std::string(bytes);
#ifdef _WIN32
    // Through UTF-16 with the system's converters; undefined bytes become
    // U+FFFD there.
    bool exact = true;
    return narrow(widen(bytes, windows_code_page(cp)), CP_UTF8, exact);
#else
    if (cp == CodePage::SystemAnsi) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    Converter conv("UTF-8", "CP932");
    while (!bytes.empty()) {
        size_t used = conv.run(bytes, out);
        bytes.remove_prefix(used);
        if (!bytes.empty()) {  // a byte CP932 does not define
            out += "\xEF\xBF\xBD";
            bytes.remove_prefix(1);
        }
    }
    return out;
#endif
}

std::string from_utf8(std::string_view utf8, CodePage cp) {
    if (cp == CodePage::Utf8) return std::string(utf8);
#ifdef _WIN32
    const UINT wcp = windows_code_page(cp);
    bool exact = true;
    std::string whole = narrow(widen(utf8, CP_UTF8), wcp, exact);
    if (exact) return whole;
    // Something the code page cannot hold: character by character, each one
    // that does not fit as a character reference.
    std::string out;
    out.reserve(utf8.size() + 16);
    for (size_t i = 0; i < utf8.size();) {
        char32_t code = 0;
        size_t n = utf8_next(utf8, i, code);
        std::string one = narrow(widen(utf8.substr(i, n), CP_UTF8), wcp, exact);
        if (exact && !one.empty()) out += one;
        else out += "&#" + std::to_string(code) + ";";
        i += n;
    }
    return out;
#else
    if (cp == CodePage::SystemAnsi) return std::string(utf8);
    Converter conv("CP932", "UTF-8");
    std::string whole;
    if (conv.run(utf8, whole) == utf8.size() && to_utf8(whole, CodePage::Cp932) == utf8) return whole;
    // Character by character.  One that does not convert, or whose bytes
    // read back as another character (iconv's stand-ins, such as 0x81CA
    // for U+00AC, which is U+FFE2 on the way back), is written as its
    // character reference, as the Windows conversion refuses stand-ins.
    Converter back("UTF-8", "CP932");
    std::string out;
    out.reserve(utf8.size() + 16);
    for (size_t i = 0; i < utf8.size();) {
        char32_t code = 0;
        const size_t n = utf8_next(utf8, i, code);
        const std::string_view one = utf8.substr(i, n);
        std::string bytes, again;
        if (conv.run(one, bytes) == n && back.run(bytes, again) == bytes.size() && again == one)
            out += bytes;
        else
            out += "&#" + std::to_string(code) + ";";
        i += n;
    }
    return out;
#endif
}

}  // namespace corvane
