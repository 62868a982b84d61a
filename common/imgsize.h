// Imgsize: pixel width and height of GIF and JPEG files, decided from the
// file's content (not its name).  Nothing is ever reported or thrown: a file
// that cannot be opened, is too short or is of another format gives no size.
//
// File names are UTF-8 full paths.  Files are opened read-only and shared
// (other programs may hold them open for writing), read through a buffer, and
// closed before the reader returns.  Only regular files are read: a
// directory, a pipe or a device gives no size.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace corvane {

// Sets width and height to 0, then fills them from the logical screen of a
// GIF header ("GIF", any three version bytes, then two little-endian 16-bit
// values).  A value the file ends before stays 0.
void get_gif_size(std::string_view file_name, std::uint16_t& width, std::uint16_t& height);

// Sets width and height to 0, then finds the start-of-image marker (anywhere
// in the file) and walks the segments to the first frame marker (C0 C1 C2 C3
// C9 CA CB CD CE CF), whose big-endian height and width it takes.
void get_jpeg_size(std::string_view file_name, std::uint16_t& width, std::uint16_t& height);

// Tries the GIF reader, then the JPEG reader.  True with both outputs set when
// one of them found a non-zero width and a non-zero height; otherwise false,
// and the outputs keep the values they had.
bool get_image_size(std::string_view file_name, std::uint16_t& width, std::uint16_t& height);

namespace imgsize_internal {

constexpr std::size_t default_buffer_size = 64 * 1024;

// The same readers with a chosen buffer size, so that tests can put buffer
// boundaries anywhere in a file.
void get_gif_size(std::string_view file_name, std::uint16_t& width, std::uint16_t& height,
                  std::size_t buffer_size);
void get_jpeg_size(std::string_view file_name, std::uint16_t& width, std::uint16_t& height,
                   std::size_t buffer_size);
bool get_image_size(std::string_view file_name, std::uint16_t& width, std::uint16_t& height,
                    std::size_t buffer_size);

}  // namespace imgsize_internal

}  // namespace corvane
