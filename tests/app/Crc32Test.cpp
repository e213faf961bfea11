#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "app/Crc32.h"
#include "app/Crc32Methods.h"

namespace {

std::uint32_t Checksum(const std::string& text)
{
    return ~Crc32Block(0xFFFFFFFF, text.data(), text.size());
}

std::vector<std::uint8_t> RandomBytes(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(size);
    for (auto& b : bytes)
        b = static_cast<std::uint8_t>(random());
    return bytes;
}

std::vector<Crc32Method> SupportedMethods()
{
    std::vector<Crc32Method> methods;
    for (Crc32Method m : AllCrc32Methods)
        if (Crc32MethodSupported(m))
            methods.push_back(m);
    return methods;
}

}  // namespace

TEST(Crc32Table, HoldsThePublishedValues)
{
    EXPECT_EQ(Crc32Table[0], 0x00000000u);
    EXPECT_EQ(Crc32Table[1], 0x77073096u);
    EXPECT_EQ(Crc32Table[128], 0xEDB88320u);
    EXPECT_EQ(Crc32Table[255], 0x2D02EF8Du);
}

TEST(Crc32Checksum, KnownValues)
{
    EXPECT_EQ(Checksum("123456789"), 0xCBF43926u);
    EXPECT_EQ(Checksum(""), 0x00000000u);
    EXPECT_EQ(Checksum("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
}

TEST(Crc32Checksum, EveryMethodGivesTheCheckValue)
{
    const char* check = "123456789";
    for (Crc32Method m : SupportedMethods())
        EXPECT_EQ(~Crc32BlockWith(m, 0xFFFFFFFF, check, 9), 0xCBF43926u) << Crc32MethodName(m);
}

TEST(Crc32Update, CountZeroReturnsTheRunningValueAndTouchesNothing)
{
    EXPECT_EQ(Crc32Update(0x12345678, nullptr, 0), 0x12345678u);
    EXPECT_EQ(Crc32Block(0xCAFEBABE, nullptr, 0), 0xCAFEBABEu);
}

TEST(Crc32Update, LargestCountFoldsEveryByte)
{
    const auto bytes = RandomBytes(65535, 7);
    EXPECT_EQ(Crc32Update(0xFFFFFFFF, bytes.data(), 65535),
              Crc32Bytewise(0xFFFFFFFF, bytes.data(), bytes.size()));
}

TEST(Crc32Update, BlocksAroundTheBufferSizeChainLikeOneSpan)
{
    // The block lengths a whole-file reader meets at its buffer size.
    const auto bytes = RandomBytes(65536 + 1, 11);
    const std::uint32_t whole = Crc32Bytewise(0xFFFFFFFF, bytes.data(), bytes.size());
    for (std::size_t first : {32767u, 32768u, 32769u, 65535u}) {
        std::uint32_t running = 0xFFFFFFFF;
        std::size_t done = 0;
        while (done < bytes.size()) {
            const std::size_t n = std::min(first, bytes.size() - done);
            running = Crc32Update(running, bytes.data() + done, static_cast<std::uint16_t>(n));
            done += n;
        }
        EXPECT_EQ(running, whole) << "blocks of " << first;
    }
}

TEST(Crc32Update, FinalPartialBlockUsesOnlyItsOwnBytes)
{
    // A short last block must not pick up stale bytes behind it in the buffer.
    auto bytes = RandomBytes(32768 + 5, 13);
    const std::uint32_t expected = Crc32Bytewise(0xFFFFFFFF, bytes.data(), bytes.size());
    std::memcpy(CrcBuffer.data(), bytes.data(), 32768);
    std::uint32_t running = Crc32Update(0xFFFFFFFF, CrcBuffer.data(), 32768);
    std::memcpy(CrcBuffer.data(), bytes.data() + 32768, 5);
    running = Crc32Update(running, CrcBuffer.data(), 5);
    EXPECT_EQ(running, expected);
}

TEST(Crc32Methods, FastestMethodIsSupported)
{
    EXPECT_TRUE(Crc32MethodSupported(Crc32FastestMethod()));
    EXPECT_TRUE(Crc32MethodSupported(Crc32Method::Slicing8));
}

TEST(Crc32Methods, ShortLengthsMatchTheTableAtEveryOffset)
{
    // Every length across the switch-over points of the folding methods
    // (128 and 512 bytes and their lane tails), at every start alignment.
    const auto bytes = RandomBytes(1200, 17);
    for (Crc32Method m : SupportedMethods())
        for (std::size_t offset = 0; offset < 64; offset += 7)
            for (std::size_t length = 0; length + offset <= bytes.size(); ++length) {
                const std::uint8_t* p = bytes.data() + offset;
                ASSERT_EQ(Crc32BlockWith(m, 0x9E3779B9, p, length),
                          Crc32Bytewise(0x9E3779B9, p, length))
                    << Crc32MethodName(m) << " offset " << offset << " length " << length;
            }
}

TEST(Crc32Methods, RandomSpansMatchTheTable)
{
    const auto bytes = RandomBytes(1 << 20, 19);
    std::mt19937 random(23);
    for (int trial = 0; trial < 30; ++trial) {
        const std::size_t offset = random() % 4096;
        const std::size_t length = random() % (bytes.size() - offset);
        const std::uint32_t running = static_cast<std::uint32_t>(random());
        const std::uint8_t* p = bytes.data() + offset;
        const std::uint32_t expected = Crc32Bytewise(running, p, length);
        for (Crc32Method m : SupportedMethods())
            ASSERT_EQ(Crc32BlockWith(m, running, p, length), expected)
                << Crc32MethodName(m) << " offset " << offset << " length " << length;
    }
}

TEST(Crc32Methods, AllOnesAndAllZerosMatchTheTable)
{
    // Extreme bit patterns exercise every term of the folding products.
    for (std::uint8_t fill : {0x00, 0xFF}) {
        const std::vector<std::uint8_t> bytes(5000, fill);
        for (Crc32Method m : SupportedMethods())
            for (std::uint32_t running : {0x00000000u, 0xFFFFFFFFu})
                EXPECT_EQ(Crc32BlockWith(m, running, bytes.data(), bytes.size()),
                          Crc32Bytewise(running, bytes.data(), bytes.size()))
                    << Crc32MethodName(m) << " fill " << int(fill);
    }
}
