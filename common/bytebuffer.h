// A zero-filled byte area for texts that may run to many megabytes (an
// editor's whole selection).  Large areas come straight from the system, in
// huge pages where it offers them, and grow without copying; touching a
// fresh page costs far more than copying it, so this keeps both down.
#pragma once
#include <cstddef>

namespace corvane {

class ByteBuffer {
public:
    ByteBuffer() = default;
    explicit ByteBuffer(size_t capacity) { reserve(capacity); }
    ~ByteBuffer();
    ByteBuffer(ByteBuffer&& other) noexcept;
    ByteBuffer& operator=(ByteBuffer&& other) noexcept;
    ByteBuffer(const ByteBuffer&) = delete;
    ByteBuffer& operator=(const ByteBuffer&) = delete;

    char* data() { return data_; }
    const char* data() const { return data_; }
    size_t capacity() const { return capacity_; }

    // At least `capacity` bytes; the contents stay, new bytes are zero.
    // Throws std::bad_alloc when the system refuses.
    void reserve(size_t capacity);

private:
    void release();

    char* data_ = nullptr;
    size_t capacity_ = 0;
    bool mapped_ = false;
};

}  // namespace corvane
