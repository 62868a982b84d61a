// libFuzzer target for the image size probe.  Each input is a file's content.
// The buffered readers must never crash, hang or misbehave under the
// sanitizers, and must give exactly what a plain model of the format walk
// gives when it reads the same bytes one at a time from memory; that is
// checked with several buffer sizes, so buffer refills land everywhere.
#include "common/imgsize.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// Byte-at-a-time reader over memory: a read past the end fails, and the
// position may be moved past the end (the next read then fails).
struct Bytes {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t pos = 0;

    bool read(std::uint8_t& b) {
        if (pos >= size) return false;
        b = data[pos++];
        return true;
    }
    bool eof() const { return pos >= size; }
    bool move(std::int64_t delta) {
        if (delta < 0 && static_cast<std::uint64_t>(-delta) > pos) return false;
        pos += static_cast<std::size_t>(delta);
        return true;
    }
    bool read16(std::uint16_t& v, bool big_endian) {
        std::uint8_t a, b;
        if (!read(a) || !read(b)) return false;
        v = big_endian ? static_cast<std::uint16_t>(a << 8 | b) : static_cast<std::uint16_t>(b << 8 | a);
        return true;
    }
};

void model_gif(Bytes in, std::uint16_t& w, std::uint16_t& h) {
    w = h = 0;
    std::uint8_t b;
    if (!in.read(b) || b != 'G' || !in.read(b) || b != 'I' || !in.read(b) || b != 'F') return;
    if (!in.move(3)) return;
    std::uint16_t v;
    if (!in.read16(v, false)) return;
    w = v;
    if (!in.read16(v, false)) return;
    h = v;
}

void model_jpeg(Bytes in, std::uint16_t& w, std::uint16_t& h) {
    w = h = 0;
    std::uint8_t b, m;
    for (;;) {
        if (!in.read(b)) return;
        if (in.eof()) return;
        if (b == 0xFF) {
            do {
                if (!in.read(b)) return;
            } while (b == 0xFF);
            if (b == 0xD8) break;
        }
    }
    while (!in.eof()) {
        if (!in.read(b)) return;
        if (b != 0xFF) continue;
        if (!in.read(m)) return;
        if (m == 0xD8) continue;
        if (!(m == 0x01 || (m >= 0xC0 && m <= 0xFE))) return;
        std::uint16_t len, v;
        if (!in.read16(len, true)) return;
        switch (m) {
        case 0xC0: case 0xC1: case 0xC2: case 0xC3:
        case 0xC9: case 0xCA: case 0xCB: case 0xCD: case 0xCE: case 0xCF:
            if (!in.read(b)) return;
            if (!in.read16(v, true)) return;
            h = v;
            if (!in.read16(v, true)) return;
            w = v;
            return;
        default:
            if (!in.move(static_cast<std::int64_t>(len) - 2)) return;
        }
    }
}

int memfd = -1;
std::string memfd_path;

void check(bool ok, const char* what, std::size_t buffer_size) {
    if (ok) return;
    std::fprintf(stderr, "imgsize mismatch: %s with buffer size %zu\n", what, buffer_size);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (memfd < 0) {
        memfd = memfd_create("imgsize", MFD_CLOEXEC);
        if (memfd < 0) std::abort();
        memfd_path = "/proc/self/fd/" + std::to_string(memfd);
    }
    if (ftruncate(memfd, 0) != 0) std::abort();
    if (size > 0 && pwrite(memfd, data, size, 0) != static_cast<ssize_t>(size)) std::abort();

    std::uint16_t gw, gh, jw, jh;
    model_gif({data, size}, gw, gh);
    model_jpeg({data, size}, jw, jh);
    const bool found = (gw && gh) || (jw && jh);

    namespace in = corvane::imgsize_internal;
    for (std::size_t buf : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, in::default_buffer_size}) {
        std::uint16_t w = 1, h = 1;
        in::get_gif_size(memfd_path, w, h, buf);
        check(w == gw && h == gh, "get_gif_size", buf);
        in::get_jpeg_size(memfd_path, w, h, buf);
        check(w == jw && h == jh, "get_jpeg_size", buf);
        w = 0xABCD, h = 0x1234;
        const bool got = in::get_image_size(memfd_path, w, h, buf);
        check(got == found, "get_image_size result", buf);
        if (!found) check(w == 0xABCD && h == 0x1234, "caller's values kept", buf);
        else if (gw && gh) check(w == gw && h == gh, "get_image_size GIF size", buf);
        else check(w == jw && h == jh, "get_image_size JPEG size", buf);
    }
    return 0;
}
