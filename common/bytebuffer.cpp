#include "common/bytebuffer.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#if defined(__linux__)
#include <sys/mman.h>
#endif

namespace corvane {

namespace {

#if defined(__linux__)
// From this size on an area is mapped from the system and may use huge pages.
constexpr size_t kMapFrom = size_t(1) << 20;
constexpr size_t kHugePage = size_t(2) << 20;

size_t round_up(size_t n, size_t to) { return (n + to - 1) / to * to; }

void prefer_huge_pages(char* p, size_t n) {
#ifdef MADV_HUGEPAGE
    madvise(p, n, MADV_HUGEPAGE);  // a hint; a system without them ignores it
#else
    (void)p;
    (void)n;
#endif
}
#endif

}  // namespace

ByteBuffer::~ByteBuffer() { release(); }

ByteBuffer::ByteBuffer(ByteBuffer&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      capacity_(std::exchange(other.capacity_, 0)),
      mapped_(std::exchange(other.mapped_, false)) {}

ByteBuffer& ByteBuffer::operator=(ByteBuffer&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, nullptr);
        capacity_ = std::exchange(other.capacity_, 0);
        mapped_ = std::exchange(other.mapped_, false);
    }
    return *this;
}

void ByteBuffer::release() {
#if defined(__linux__)
    if (mapped_) {
        munmap(data_, capacity_);
        data_ = nullptr;
        return;
    }
#endif
    std::free(data_);
    data_ = nullptr;
}

void ByteBuffer::reserve(size_t capacity) {
    if (capacity <= capacity_) return;
#if defined(__linux__)
    if (capacity >= kMapFrom) {
        // Fresh mapped pages read as zero, so nothing needs clearing.
        size_t size = round_up(capacity, kHugePage);
        void* p;
        if (mapped_) {
            p = mremap(data_, capacity_, size, MREMAP_MAYMOVE);
        } else {
            p = mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
            if (p != MAP_FAILED && data_) std::memcpy(p, data_, capacity_);
        }
        if (p == MAP_FAILED) throw std::bad_alloc();
        if (!mapped_) std::free(data_);
        data_ = static_cast<char*>(p);
        capacity_ = size;
        mapped_ = true;
        prefer_huge_pages(data_, capacity_);
        return;
    }
#endif
    void* p = std::realloc(data_, capacity);
    if (!p) throw std::bad_alloc();
    data_ = static_cast<char*>(p);
    std::memset(data_ + capacity_, 0, capacity - capacity_);
    capacity_ = capacity;
}

}  // namespace corvane
