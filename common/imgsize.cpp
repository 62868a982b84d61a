#include "common/imgsize.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace corvane {

namespace {

// A regular file opened read-only and shared, read at given offsets.
class ReadOnlyFile {
public:
    explicit ReadOnlyFile(std::string_view utf8_path) {
#ifdef _WIN32
        int n = MultiByteToWideChar(CP_UTF8, 0, utf8_path.data(), static_cast<int>(utf8_path.size()), nullptr, 0);
        std::wstring w(static_cast<size_t>(n), L'\0');
        MultiByteToWideChar(CP_UTF8, 0, utf8_path.data(), static_cast<int>(utf8_path.size()), w.data(), n);
        if (w.empty() || w.find(L'\0') != std::wstring::npos) return;
        // Without FILE_FLAG_BACKUP_SEMANTICS a directory does not open.
        h_ = CreateFileW(w.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                         nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (h_ != INVALID_HANDLE_VALUE && GetFileType(h_) != FILE_TYPE_DISK) {
            CloseHandle(h_);
            h_ = INVALID_HANDLE_VALUE;
        }
#else
        std::string path(utf8_path);
        if (path.empty() || path.find('\0') != std::string::npos) return;
        // O_NONBLOCK: opening a FIFO must not wait for a writer.
        fd_ = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        struct stat st;
        if (fd_ >= 0 && (::fstat(fd_, &st) != 0 || !S_ISREG(st.st_mode))) {
            ::close(fd_);
            fd_ = -1;
        }
#endif
    }
    ~ReadOnlyFile() {
#ifdef _WIN32
        if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
#else
        if (fd_ >= 0) ::close(fd_);
#endif
    }
    ReadOnlyFile(const ReadOnlyFile&) = delete;
    ReadOnlyFile& operator=(const ReadOnlyFile&) = delete;

    bool is_open() const {
#ifdef _WIN32
        return h_ != INVALID_HANDLE_VALUE;
#else
        return fd_ >= 0;
#endif
    }

    // Reads up to n bytes at offset; returns how many were read, 0 at the end
    // of the file or on any error.
    size_t read_at(std::uint64_t offset, std::uint8_t* buf, size_t n) {
#ifdef _WIN32
        OVERLAPPED ov{};
        ov.Offset = static_cast<DWORD>(offset);
        ov.OffsetHigh = static_cast<DWORD>(offset >> 32);
        DWORD got = 0;
        DWORD want = static_cast<DWORD>(std::min<size_t>(n, 1u << 30));
        if (!ReadFile(h_, buf, want, &got, &ov)) return 0;
        return got;
#else
        for (;;) {
            ssize_t got = ::pread(fd_, buf, n, static_cast<off_t>(offset));
            if (got >= 0) return static_cast<size_t>(got);
            if (errno != EINTR) return 0;
        }
#endif
    }

private:
#ifdef _WIN32
    HANDLE h_ = INVALID_HANDLE_VALUE;
#else
    int fd_ = -1;
#endif
};

// Sequential byte reader over a file with a read position that may be moved
// by a relative amount.  A byte that cannot be read (past the end of the
// file, or after an error) makes the reading fail; the readers then stop.
class ByteReader {
public:
    ByteReader(std::string_view path, size_t buffer_size)
        : file_(path), buf_(file_.is_open() ? std::max<size_t>(buffer_size, 1) : 0) {}

    bool is_open() const { return file_.is_open(); }

    bool read(std::uint8_t& b) {
        if (!load()) return false;
        b = buf_[static_cast<size_t>(pos_ - start_)];
        ++pos_;
        return true;
    }

    bool read_le16(std::uint16_t& v) {
        std::uint8_t lo, hi;
        if (!read(lo) || !read(hi)) return false;
        v = static_cast<std::uint16_t>(lo | hi << 8);
        return true;
    }

    bool read_be16(std::uint16_t& v) {
        std::uint8_t hi, lo;
        if (!read(hi) || !read(lo)) return false;
        v = static_cast<std::uint16_t>(hi << 8 | lo);
        return true;
    }

    // True when no byte can be read at the read position.
    bool at_end() { return !load(); }

    // Moves the read position by delta bytes (it may go past the end, where
    // the next read fails); a position before the start fails.
    bool skip(std::int64_t delta) {
        if (delta < 0 && static_cast<std::uint64_t>(-delta) > pos_) return false;
        pos_ += static_cast<std::uint64_t>(delta);
        return true;
    }

    // Moves the read position onto the next byte equal to value.  False when
    // the file ends first: every byte before it has then been passed.
    bool seek_byte(std::uint8_t value) {
        while (load()) {
            const size_t at = static_cast<size_t>(pos_ - start_);
            const void* hit = std::memchr(buf_.data() + at, value, len_ - at);
            if (hit) {
                pos_ += static_cast<size_t>(static_cast<const std::uint8_t*>(hit) - (buf_.data() + at));
                return true;
            }
            pos_ += len_ - at;
        }
        return false;
    }

    // Moves the read position just past the first `first` byte that is
    // followed by a `second` byte (second != first).  False when the file has
    // no such pair.  The buffer is scanned in place, eight bytes at a time
    // where none of them is a `first`, so that neither long stretches without
    // one nor long runs of 0xFF or of 0xFF 0x00 pairs take a call per byte.
    bool seek_pair(std::uint8_t first, std::uint8_t second) {
        constexpr std::uint64_t ones = 0x0101010101010101u, highs = 0x8080808080808080u;
        const std::uint64_t pattern = ones * first;
        while (load()) {
            const std::uint8_t* p = buf_.data();
            size_t at = static_cast<size_t>(pos_ - start_);
            const size_t last = len_ - 1;  // the bytes before it have one after them
            while (at < last) {
                const size_t end = std::min(at + 8, last);
                if (end == at + 8) {
                    std::uint64_t w;
                    std::memcpy(&w, p + at, 8);
                    const std::uint64_t x = w ^ pattern;  // a zero byte where a `first` is
                    if (((x - ones) & ~x & highs) == 0) {
                        at = end;
                        continue;
                    }
                }
                for (; at < end; ++at) {
                    if (p[at] == first && p[at + 1] == second) {
                        pos_ = start_ + at + 2;
                        return true;
                    }
                }
            }
            pos_ = start_ + at;
            if (at == len_ || p[at] != first) {
                pos_ = start_ + len_;
                continue;
            }
            // A `first` at the end of the buffer pairs with the next byte.
            ++pos_;
            if (!load()) return false;
            if (buf_[static_cast<size_t>(pos_ - start_)] == second) {
                ++pos_;
                return true;
            }
        }
        return false;
    }

private:
    // Makes the buffer hold the byte at the read position.
    bool load() {
        if (pos_ >= start_ && pos_ - start_ < len_) return true;
        if (!file_.is_open()) return false;
        start_ = pos_;
        len_ = file_.read_at(pos_, buf_.data(), buf_.size());
        return len_ > 0;
    }

    ReadOnlyFile file_;
    std::vector<std::uint8_t> buf_;
    std::uint64_t start_ = 0;  // file offset of buf_[0]
    size_t len_ = 0;           // valid bytes in buf_
    std::uint64_t pos_ = 0;    // read position
};

bool is_frame_marker(std::uint8_t m) {
    switch (m) {
    case 0xC0: case 0xC1: case 0xC2: case 0xC3:
    case 0xC9: case 0xCA: case 0xCB: case 0xCD: case 0xCE: case 0xCF:
        return true;
    default:
        return false;
    }
}

void read_gif(ByteReader& r, std::uint16_t& width, std::uint16_t& height) {
    std::uint8_t b;
    for (std::uint8_t expected : {std::uint8_t{'G'}, std::uint8_t{'I'}, std::uint8_t{'F'}})
        if (!r.read(b) || b != expected) return;
    if (!r.skip(3)) return;  // version: not examined
    std::uint16_t v;
    if (!r.read_le16(v)) return;
    width = v;
    if (!r.read_le16(v)) return;
    height = v;
}

void read_jpeg(ByteReader& r, std::uint16_t& width, std::uint16_t& height) {
    std::uint8_t b;
    // Start of image: 0xFF (one or more), then 0xD8, anywhere in the file.
    if (!r.seek_pair(0xFF, 0xD8)) return;
    // Segments up to the first frame marker.
    for (;;) {
        if (!r.seek_byte(0xFF)) return;
        r.read(b);
        std::uint8_t m;
        if (!r.read(m)) return;
        if (m == 0xD8) continue;
        if (m != 0x01 && m < 0xC0) return;  // also 0x00
        if (m == 0xFF) return;              // a fill byte
        std::uint16_t length;
        if (!r.read_be16(length)) return;
        if (is_frame_marker(m)) {
            std::uint16_t v;
            if (!r.read(b)) return;  // sample precision
            if (!r.read_be16(v)) return;
            height = v;
            if (!r.read_be16(v)) return;
            width = v;
            return;
        }
        // The length counts its own two bytes; 0 and 1 step back onto the
        // length field, which holds no 0xFF, so the walk still moves on.
        if (!r.skip(static_cast<std::int64_t>(length) - 2)) return;
    }
}

}  // namespace

namespace imgsize_internal {

void get_gif_size(std::string_view file_name, std::uint16_t& width, std::uint16_t& height, size_t buffer_size) {
    width = 0;
    height = 0;
    ByteReader r(file_name, std::min<size_t>(buffer_size, 16));  // the header is 10 bytes
    if (r.is_open()) read_gif(r, width, height);
}

void get_jpeg_size(std::string_view file_name, std::uint16_t& width, std::uint16_t& height, size_t buffer_size) {
    width = 0;
    height = 0;
    ByteReader r(file_name, buffer_size);
    if (r.is_open()) read_jpeg(r, width, height);
}

bool get_image_size(std::string_view file_name, std::uint16_t& width, std::uint16_t& height, size_t buffer_size) {
    std::uint16_t w, h;
    get_gif_size(file_name, w, h, buffer_size);
    if (w == 0 || h == 0) get_jpeg_size(file_name, w, h, buffer_size);
    if (w == 0 || h == 0) return false;
    width = w;
    height = h;
    return true;
}

}  // namespace imgsize_internal

void get_gif_size(std::string_view file_name, std::uint16_t& width, std::uint16_t& height) {
    imgsize_internal::get_gif_size(file_name, width, height, imgsize_internal::default_buffer_size);
}

void get_jpeg_size(std::string_view file_name, std::uint16_t& width, std::uint16_t& height) {
    imgsize_internal::get_jpeg_size(file_name, width, height, imgsize_internal::default_buffer_size);
}

bool get_image_size(std::string_view file_name, std::uint16_t& width, std::uint16_t& height) {
    return imgsize_internal::get_image_size(file_name, width, height, imgsize_internal::default_buffer_size);
}

}  // namespace corvane
