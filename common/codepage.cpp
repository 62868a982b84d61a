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
    unsigned char c = static_cast<unsigned char>(s[i]);
    size_t n = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3 : (c >> 3) == 30 ? 4 : 1;
    if (i + n > s.size()) n = 1;
    cp = n == 1 ? c : n == 2 ? (c & 0x1Fu) : n == 3 ? (c & 0x0Fu) : (c & 0x07u);
    for (size_t k = 1; k < n; ++k) cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3Fu);
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

std::string to_utf8(std::string_view bytes, CodePage cp) {
    if (cp == CodePage::Utf8) return std::string(bytes);
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
#ifdef _WIN32
    // Windows: through UTF-16 with the system converters.
    int wn = MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring w(static_cast<size_t>(wn), L'\0');
    MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), w.data(), wn);
    int n = WideCharToMultiByte(CP_UTF8, 0, w.data(), wn, nullptr, 0, nullptr, nullptr);
    out.resize(static_cast<size_t>(n));
    WideCharToMultiByte(CP_UTF8, 0, w.data(), wn, out.data(), n, nullptr, nullptr);
#else
    Converter conv("UTF-8", "CP932");
    while (!bytes.empty()) {
        size_t used = conv.run(bytes, out);
        bytes.remove_prefix(used);
        if (!bytes.empty()) {  // a byte CP932 does not define
            out += "\xEF\xBF\xBD";
            bytes.remove_prefix(1);
        }
    }
#endif
    return out;
}

std::string from_utf8(std::string_view utf8, CodePage cp) {
    if (cp == CodePage::Utf8) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
#ifdef _WIN32
    for (size_t i = 0; i < utf8.size();) {
        char32_t code = 0;
        size_t n = utf8_next(utf8, i, code);
        std::wstring w;
        int wn = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, utf8.data() + i, static_cast<int>(n), nullptr, 0);
        w.resize(static_cast<size_t>(wn));
        MultiByteToWideChar(CP_UTF8, 0, utf8.data() + i, static_cast<int>(n), w.data(), wn);
        char buf[8];
        BOOL lost = FALSE;
        int m = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, w.data(), wn, buf, sizeof buf, nullptr, &lost);
        if (m > 0 && !lost) out.append(buf, static_cast<size_t>(m));
        else out += "&#" + std::to_string(code) + ";";
        i += n;
    }
#else
    Converter conv("CP932", "UTF-8");
    while (!utf8.empty()) {
        size_t used = conv.run(utf8, out);
        utf8.remove_prefix(used);
        if (!utf8.empty()) {  // a character CP932 cannot hold
            char32_t code = 0;
            size_t n = utf8_next(utf8, 0, code);
            out += "&#" + std::to_string(code) + ";";
            utf8.remove_prefix(n);
        }
    }
#endif
    return out;
}

}  // namespace corvane
