#include <gtest/gtest.h>

#include <vector>

#include "app/ByteCompare.h"

namespace {

std::vector<unsigned char> Pattern(std::size_t size)
{
    std::vector<unsigned char> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<unsigned char>(i * 131 + 7);
    return bytes;
}

}  // namespace

TEST(BytesEqual, EmptySpansAreEqual)
{
    EXPECT_TRUE(BytesEqual(nullptr, nullptr, 0));
}

TEST(BytesEqual, EqualSpansOfEveryLengthAroundTheStrides)
{
    const auto a = Pattern(300);
    const auto b = a;
    for (std::size_t size = 0; size <= a.size(); ++size)
        EXPECT_TRUE(BytesEqual(a.data(), b.data(), size)) << size;
}

TEST(BytesEqual, OneDifferentByteAnywhereIsFound)
{
    // Every position of a span that has a 64-byte body, a 16-byte step and a tail.
    const auto a = Pattern(64 * 3 + 16 + 5);
    for (std::size_t at = 0; at < a.size(); ++at) {
        auto b = a;
        b[at] ^= 0x01;
        EXPECT_FALSE(BytesEqual(a.data(), b.data(), a.size())) << at;
    }
}

TEST(BytesEqual, MisalignedStartsCompareTheSameBytes)
{
    const auto a = Pattern(1000);
    auto b = std::vector<unsigned char>(1003);
    std::copy(a.begin(), a.end(), b.begin() + 3);
    EXPECT_TRUE(BytesEqual(a.data() + 1, b.data() + 4, 990));
    b[900] ^= 0x80;
    EXPECT_FALSE(BytesEqual(a.data() + 1, b.data() + 4, 990));
}

TEST(BytesEqual, OnlyTheGivenSizeCounts)
{
    auto a = Pattern(100);
    auto b = a;
    b[99] = static_cast<unsigned char>(~a[99]);
    EXPECT_TRUE(BytesEqual(a.data(), b.data(), 99));
}
