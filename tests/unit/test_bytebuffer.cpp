// The byte area that holds large selections: growth keeps the contents and
// clears what is new, on both sides of the size where it switches from the
// heap to mapped pages.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "common/bytebuffer.h"

namespace corvane {
namespace {

bool all_zero(const char* p, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
        if (p[i] != 0) return false;
    return true;
}

TEST(ByteBuffer, GrowsKeepingItsContentsAndClearingTheRest) {
    const size_t steps[] = {1, 100, 64 << 10, (1 << 20) - 1, 1 << 20, (3 << 20) + 5, 40 << 20};
    ByteBuffer b;
    std::string expected;
    for (size_t want : steps) {
        b.reserve(want);
        ASSERT_GE(b.capacity(), want);
        EXPECT_EQ(std::string(b.data(), expected.size()), expected) << "after growing to " << want;
        EXPECT_TRUE(all_zero(b.data(), expected.size(), b.capacity())) << "after growing to " << want;
        // Fill all but the last byte with a pattern for the next step.
        expected.resize(b.capacity() - 1);
        for (size_t i = 0; i < expected.size(); ++i) expected[i] = static_cast<char>('a' + i % 26);
        std::copy(expected.begin(), expected.end(), b.data());
    }
    size_t before = b.capacity();
    b.reserve(before - 1);  // never shrinks
    EXPECT_EQ(b.capacity(), before);
}

TEST(ByteBuffer, MovesWithoutCopying) {
    ByteBuffer a(5 << 20);
    a.data()[0] = 'x';
    const char* p = a.data();
    ByteBuffer b(std::move(a));
    EXPECT_EQ(b.data(), p);
    EXPECT_EQ(a.data(), nullptr);
    EXPECT_EQ(a.capacity(), 0u);
    ByteBuffer c(10);
    c = std::move(b);
    EXPECT_EQ(c.data()[0], 'x');
    EXPECT_EQ(ByteBuffer().data(), nullptr);
}

}  // namespace
}  // namespace corvane
