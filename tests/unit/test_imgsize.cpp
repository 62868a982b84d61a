#include "common/imgsize.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using corvane::get_gif_size;
using corvane::get_image_size;
using corvane::get_jpeg_size;
namespace internal = corvane::imgsize_internal;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes text(const std::string& s) { return Bytes(s.begin(), s.end()); }

Bytes repeat(const Bytes& unit, int times) {
    Bytes out;
    for (int i = 0; i < times; ++i) out.insert(out.end(), unit.begin(), unit.end());
    return out;
}

class TempDir {
public:
    TempDir() {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        std::string name = info->name();  // "Test/param" for parameterised tests
        std::replace(name.begin(), name.end(), '/', '_');
        dir_ = fs::temp_directory_path() / ("corvane_imgsize_" + std::to_string(std::random_device{}()) + "_" + name);
        fs::remove_all(dir_);
        fs::create_directories(dir_);
    }
    ~TempDir() {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string write(const std::string& name, const Bytes& bytes) const {
        fs::path p = dir_ / fs::u8path(name);
        std::ofstream(p, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                  static_cast<std::streamsize>(bytes.size()));
        return p.string();
    }
    fs::path path() const { return dir_; }

private:
    fs::path dir_;
};

struct Size {
    std::uint16_t w, h;
    bool operator==(const Size&) const = default;
};
std::ostream& operator<<(std::ostream& os, const Size& s) { return os << s.w << "x" << s.h; }

// Buffer sizes that put buffer boundaries at every place in the short files
// below, and the size used in production.
const size_t kBufferSizes[] = {1, 2, 3, 5, 7, 9, 13, 16, internal::default_buffer_size};

// A frame segment: FF marker, length 17, precision 8, height, width, then
// the three component entries.
Bytes frame(std::uint8_t marker, std::uint16_t h, std::uint16_t w) {
    return {0xFF, marker, 0x00, 0x11, 0x08, std::uint8_t(h >> 8), std::uint8_t(h), std::uint8_t(w >> 8),
            std::uint8_t(w), 0x03, 0x01, 0x22, 0x00, 0x02, 0x11, 0x01, 0x03, 0x11, 0x01};
}
const Bytes kSoi = {0xFF, 0xD8};
const Bytes kEoi = {0xFF, 0xD9};
const Bytes kApp0 = cat({{0xFF, 0xE0, 0x00, 0x10}, text("JFIF"), {0x00, 0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00, 0x00}});

struct ByteCase {
    const char* name;
    Bytes bytes;
    Size gif;    // what get_gif_size leaves
    Size jpeg;   // what get_jpeg_size leaves
    bool found;  // get_image_size's result (its size is the non-zero one above)
};

const std::vector<ByteCase> kByteCases = {
    // GIF: logical screen size, little-endian, any version bytes.
    {"gif_320x240", cat({text("GIF89a"), {0x40, 0x01, 0xF0, 0x00}}), {320, 240}, {0, 0}, true},
    {"gif_any_version_bytes", cat({text("GIF"), {0xFF, 0x00, 'z', 0x01, 0x00, 0x02, 0x00}}), {1, 2}, {0, 0}, true},
    {"gif_max", cat({text("GIF87a"), {0xFF, 0xFF, 0xFF, 0xFF}}), {65535, 65535}, {0, 0}, true},
    {"gif_9_bytes_width_only", cat({text("GIF89a"), {0x40, 0x01, 0xF0}}), {320, 0}, {0, 0}, false},
    {"gif_7_bytes", cat({text("GIF89a"), {0x40}}), {0, 0}, {0, 0}, false},
    {"gif_letters_only", text("GIF"), {0, 0}, {0, 0}, false},
    {"gif_lower_case", cat({text("gif89a"), {0x40, 0x01, 0xF0, 0x00}}), {0, 0}, {0, 0}, false},
    {"gif_width_zero", cat({text("GIF89a"), {0x00, 0x00, 0xF0, 0x00}}), {0, 240}, {0, 0}, false},
    // The JPEG reader runs on the same file after a GIF header without a size.
    {"gif_width_zero_then_jpeg", cat({text("GIF89a"), {0x00, 0x00, 0xF0, 0x00}, kSoi, frame(0xC0, 16, 32)}),
     {0, 240}, {32, 16}, true},
    {"empty", {}, {0, 0}, {0, 0}, false},

    // JPEG.
    {"jpeg_app0_then_sof0", cat({kSoi, kApp0, frame(0xC0, 480, 640), kEoi}), {0, 0}, {640, 480}, true},
    {"jpeg_progressive", cat({kSoi, kApp0, frame(0xC2, 0x1234, 0x0102), kEoi}), {0, 0}, {0x0102, 0x1234}, true},
    {"jpeg_only_sof5", cat({kSoi, kApp0, frame(0xC5, 480, 640), kEoi}), {0, 0}, {0, 0}, false},
    {"jpeg_junk_before_soi", cat({{0x00, 0x00}, kSoi, kApp0, frame(0xC0, 2, 3)}), {0, 0}, {3, 2}, true},
    {"jpeg_several_ff_before_d8", cat({{0xFF, 0xFF, 0xFF, 0xD8}, frame(0xC0, 2, 3)}), {0, 0}, {3, 2}, true},
    // The byte after a run of 0xFF is consumed by the search: FF 12 D8 is no SOI.
    {"jpeg_ff_then_other_then_d8", cat({{0xFF, 0x12, 0xD8}, frame(0xC0, 2, 3)}), {0, 0}, {0, 0}, false},
    {"jpeg_ff_other_ff_d8", cat({{0xFF, 0x12, 0xFF, 0xD8}, frame(0xC0, 2, 3)}), {0, 0}, {3, 2}, true},
    {"jpeg_soi_only", kSoi, {0, 0}, {0, 0}, false},
    // The search for the start of the image over long stretches: bytes
    // without 0xFF, 0xFF 0x00 pairs, runs of 0xFF.
    {"jpeg_soi_after_long_stretches",
     cat({Bytes(37, 0x00), repeat({0xFF, 0x00}, 13), Bytes(11, 0xFF), {0x00}, Bytes(5, 0xFF), kSoi,
          frame(0xC0, 2, 3)}),
     {0, 0}, {3, 2}, true},
    {"jpeg_pairs_without_soi", cat({repeat({0xFF, 0x00}, 30), Bytes(19, 0xFF), frame(0xC0, 2, 3)}), {0, 0}, {0, 0},
     false},
    {"jpeg_soi_as_the_last_bytes", cat({Bytes(21, 0x41), kSoi}), {0, 0}, {0, 0}, false},
    {"jpeg_ff_as_the_last_byte", cat({Bytes(30, 0x41), {0xFF}}), {0, 0}, {0, 0}, false},
    {"jpeg_d8_then_soi", cat({Bytes(17, 0xD8), {0xFF, 0xD8}, frame(0xC1, 5, 6)}), {0, 0}, {6, 5}, true},
    {"jpeg_no_soi", cat({kApp0, frame(0xC0, 2, 3)}), {0, 0}, {0, 0}, false},
    {"jpeg_fill_byte_stops", cat({kSoi, {0xFF}, frame(0xC0, 480, 640)}), {0, 0}, {0, 0}, false},
    {"jpeg_bytes_between_segments", cat({kSoi, {0x00, 0x11, 0x22}, frame(0xC0, 2, 3)}), {0, 0}, {3, 2}, true},
    // An APP1 holding a thumbnail with its own SOI and frame is skipped whole.
    {"jpeg_thumbnail_in_app1",
     cat({kSoi, {0xFF, 0xE1, 0x00, 2 + 2 + 19 + 2}, kSoi, frame(0xC0, 9, 9), kEoi, frame(0xC0, 200, 300)}),
     {0, 0}, {300, 200}, true},
    // Lengths 0 and 1 step back onto the length field and the walk goes on.
    {"jpeg_length_0", cat({kSoi, {0xFF, 0xE0, 0x00, 0x00}, frame(0xC0, 2, 3)}), {0, 0}, {3, 2}, true},
    {"jpeg_length_1", cat({kSoi, {0xFF, 0xE0, 0x00, 0x01}, frame(0xC0, 2, 3)}), {0, 0}, {3, 2}, true},
    {"jpeg_length_past_end", cat({kSoi, {0xFF, 0xE0, 0x01, 0x00, 0x00}, frame(0xC0, 2, 3)}), {0, 0}, {0, 0}, false},
    {"jpeg_frame_cut_after_height", cat({kSoi, {0xFF, 0xC0, 0x00, 0x11, 0x08, 0x01, 0xE0, 0x02}}), {0, 0}, {0, 480},
     false},
    {"jpeg_zero_width", cat({kSoi, frame(0xC0, 480, 0)}), {0, 0}, {0, 480}, false},
};

class ImgsizeBytes : public ::testing::TestWithParam<ByteCase> {};

TEST_P(ImgsizeBytes, ReadersAndDispatchAtEveryBufferSize) {
    const ByteCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.write("f.bin", c.bytes);
    for (size_t buf : kBufferSizes) {
        SCOPED_TRACE("buffer " + std::to_string(buf));
        Size gif{7, 7}, jpeg{7, 7};
        internal::get_gif_size(path, gif.w, gif.h, buf);
        internal::get_jpeg_size(path, jpeg.w, jpeg.h, buf);
        EXPECT_EQ(gif, c.gif);
        EXPECT_EQ(jpeg, c.jpeg);

        Size got{11, 22};
        EXPECT_EQ(internal::get_image_size(path, got.w, got.h, buf), c.found);
        const Size want = !c.found ? Size{11, 22} : c.gif.w && c.gif.h ? c.gif : c.jpeg;
        EXPECT_EQ(got, want);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ImgsizeBytes, ::testing::ValuesIn(kByteCases),
                         [](const auto& row) { return std::string(row.param.name); });

// Every marker byte after FF: frame markers give their own size, other
// markers 01 and C0..FE are skipped by their length (as is a second SOI),
// anything else ends the walk.
TEST(Imgsize, MarkerClasses) {
    TempDir dir;
    const Size frame_size{6, 5}, next_size{3, 2};
    for (int m = 0; m < 256; ++m) {
        // Length 7 makes a frame marker read precision, height 5, width 6;
        // any other marker skips those five bytes onto the following frame.
        Bytes bytes = cat({kSoi, {0xFF, std::uint8_t(m), 0x00, 0x07, 0x08, 0x00, 0x05, 0x00, 0x06},
                           frame(0xC0, 2, 3)});
        const std::string path = dir.write("m" + std::to_string(m) + ".jpg", bytes);
        const bool is_frame = (m >= 0xC0 && m <= 0xC3) || m == 0xC9 || m == 0xCA || m == 0xCB || m == 0xCD ||
                              m == 0xCE || m == 0xCF;
        const bool walks_on = m == 0x01 || (m >= 0xC0 && m <= 0xFE);
        Size want = is_frame ? frame_size : walks_on ? next_size : Size{0, 0};
        Size got{9, 9};
        get_jpeg_size(path, got.w, got.h);
        EXPECT_EQ(got, want) << "marker " << std::hex << m;
    }
}

struct FileCase {
    const char* file;
    Size size;
    bool is_gif;
};

// Files written by a real encoder (ImageMagick).  The third GIF has a 40x30
// logical screen holding one 10x10 frame: the screen size is the result.
TEST(Imgsize, EncodedFiles) {
    const FileCase cases[] = {
        {"gif87a.gif", {37, 23}, true},
        {"gif89a.gif", {300, 20}, true},
        {"screen40x30_frame10x10.gif", {40, 30}, true},
        {"baseline321x123.jpg", {321, 123}, false},
        {"progressive257x300.jpg", {257, 300}, false},
    };
    for (const FileCase& c : cases) {
        SCOPED_TRACE(c.file);
        const std::string path = std::string(CORVANE_TEST_DATA) + "/imgsize/" + c.file;
        Size gif, jpeg, got{0, 0};
        get_gif_size(path, gif.w, gif.h);
        get_jpeg_size(path, jpeg.w, jpeg.h);
        EXPECT_EQ(gif, (c.is_gif ? c.size : Size{0, 0}));
        EXPECT_EQ(jpeg, (c.is_gif ? Size{0, 0} : c.size));
        EXPECT_TRUE(get_image_size(path, got.w, got.h));
        EXPECT_EQ(got, c.size);
    }
}

// Files that cannot be read give false and leave the caller's values alone.
TEST(Imgsize, UnreadableFilesLeaveValuesAlone) {
    TempDir dir;
    std::vector<std::string> paths = {
        (dir.path() / "missing.gif").string(),
        dir.path().string(),  // a directory
        "",
    };
#ifndef _WIN32
    const std::string fifo = (dir.path() / "fifo").string();  // must not wait for a writer
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    paths.push_back(fifo);
    paths.push_back("/dev/zero");  // a device: endless zeros, never scanned
    const std::string locked = dir.write("locked.gif", cat({text("GIF89a"), {1, 0, 1, 0}}));
    ::chmod(locked.c_str(), 0);
    if (::access(locked.c_str(), R_OK) != 0) paths.push_back(locked);  // root may read it anyway
#endif
    for (const std::string& p : paths) {
        SCOPED_TRACE(p);
        Size got{123, 456};
        EXPECT_FALSE(get_image_size(p, got.w, got.h));
        EXPECT_EQ(got, (Size{123, 456}));
        get_jpeg_size(p, got.w, got.h);
        EXPECT_EQ(got, (Size{0, 0}));
    }
}

// A non-ASCII file name is a UTF-8 path.
TEST(Imgsize, JapaneseFileName) {
    TempDir dir;
    const std::string path = dir.write("表ソ画像.gif", cat({text("GIF89a"), {0x10, 0x00, 0x20, 0x00}}));
    Size got{0, 0};
    EXPECT_TRUE(get_image_size(path, got.w, got.h));
    EXPECT_EQ(got, (Size{16, 32}));
}

// The search for the start of the image and the segment walk go on across
// buffer refills in a file much larger than the buffer.
TEST(Imgsize, SizeFoundFarIntoALargeFile) {
    TempDir dir;
    Bytes bytes(3 * internal::default_buffer_size + 17, 0x00);
    for (size_t i = 0; i < bytes.size(); i += 97) bytes[i] = 0xFF;  // many FFs, none followed by D8
    bytes = cat({bytes, kSoi, {0xFF, 0xFE, 0xFF, 0xFF}, Bytes(0xFFFF - 2, 0x41), frame(0xC0, 1000, 2000)});
    const std::string path = dir.write("big.jpg", bytes);
    Size got{0, 0};
    EXPECT_TRUE(get_image_size(path, got.w, got.h));
    EXPECT_EQ(got, (Size{2000, 1000}));
}

}  // namespace
