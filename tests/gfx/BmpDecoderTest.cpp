#include <gtest/gtest.h>

#include "BmpTestFiles.h"
#include "gfx/BmpDecoder.h"

namespace {

constexpr Rgb24 kRed{0, 0, 255};
constexpr Rgb24 kGreen{0, 255, 0};
constexpr Rgb24 kBlue{255, 0, 0};
constexpr Rgb24 kBlack{0, 0, 0};
constexpr Rgb24 kWhite{255, 255, 255};

Image24 Decoded(const std::vector<uint8_t>& file)
{
    BmpDecodeResult result = DecodeBmp(file);
    EXPECT_TRUE(result.Ok()) << result.error;
    return std::move(result.image);
}

std::string Refusal(const std::vector<uint8_t>& file)
{
    BmpDecodeResult result = DecodeBmp(file);
    EXPECT_TRUE(result.image.IsEmpty());
    return result.error;
}

}  // namespace

TEST(BmpDecoderDepths, OneBitRowsArePaddedAndBottomUp)
{
    // 9 pixels wide: two bytes of bits plus two of padding per row.
    BmpSpec spec{.width = 9, .height = 2, .bitCount = 1, .palette = {0x000000, 0xFFFFFF}};
    Image24 image = Decoded(MakeBmp(spec, {0b10000000, 0b10000000, 0, 0,     // bottom row
                                           0b01000000, 0b00000000, 0, 0}));  // top row
    ASSERT_EQ(image.Width(), 9);
    ASSERT_EQ(image.Height(), 2);
    EXPECT_EQ(image.At(0, 1), kWhite);
    EXPECT_EQ(image.At(8, 1), kWhite);
    EXPECT_EQ(image.At(1, 1), kBlack);
    EXPECT_EQ(image.At(1, 0), kWhite);
    EXPECT_EQ(image.At(0, 0), kBlack);
}

TEST(BmpDecoderDepths, TwoFourAndEightBitIndexesPickPaletteEntries)
{
    std::vector<uint32_t> palette = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    Image24 two = Decoded(MakeBmp({.width = 4, .height = 1, .bitCount = 2, .palette = palette}, {0b00011011, 0, 0, 0}));
    EXPECT_EQ(two.At(0, 0), kRed);
    EXPECT_EQ(two.At(1, 0), kGreen);
    EXPECT_EQ(two.At(2, 0), kBlue);
    EXPECT_EQ(two.At(3, 0), kWhite);

    Image24 four = Decoded(MakeBmp({.width = 3, .height = 1, .bitCount = 4, .palette = palette}, {0x21, 0x30, 0, 0}));
    EXPECT_EQ(four.At(0, 0), kBlue);
    EXPECT_EQ(four.At(1, 0), kGreen);
    EXPECT_EQ(four.At(2, 0), kWhite);

    Image24 eight = Decoded(MakeBmp({.width = 2, .height = -2, .bitCount = 8, .palette = palette}, {1, 2, 0, 0, 3, 0, 0, 0}));
    EXPECT_EQ(eight.At(0, 0), kGreen) << "top-down: the first row is the top row";
    EXPECT_EQ(eight.At(1, 0), kBlue);
    EXPECT_EQ(eight.At(0, 1), kWhite);
}

TEST(BmpDecoderDepths, IndexBeyondThePaletteIsBlack)
{
    Image24 image = Decoded(MakeBmp({.width = 2, .height = 1, .bitCount = 8, .palette = {0xFFFFFF}, .colorsUsed = 1},
                                    {0, 200, 0, 0}));
    EXPECT_EQ(image.At(0, 0), kWhite);
    EXPECT_EQ(image.At(1, 0), kBlack);
}

TEST(BmpDecoderDepths, TwentyFourBitPixelsAreBlueGreenRed)
{
    Image24 image = Decoded(MakeBmp({.width = 3, .height = 1}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 0, 0}));
    EXPECT_EQ(image.At(0, 0), (Rgb24{1, 2, 3}));
    EXPECT_EQ(image.At(2, 0), (Rgb24{7, 8, 9}));
}

TEST(BmpDecoderDepths, SixteenBitDefaultsToFiveFiveFiveAndWidensToEightBits)
{
    // 0x7C00 is full red, 0x001F full blue, 0x0200 about half green.
    Image24 image = Decoded(MakeBmp({.width = 3, .height = 1, .bitCount = 16}, {0x00, 0x7C, 0x1F, 0x00, 0x00, 0x02, 0, 0}));
    EXPECT_EQ(image.At(0, 0), kRed);
    EXPECT_EQ(image.At(1, 0), kBlue);
    EXPECT_EQ(image.At(2, 0), (Rgb24{0, 132, 0}));
}

TEST(BmpDecoderDepths, BitFieldsFollowTheirMasksInsideOrAfterTheHeader)
{
    std::vector<uint32_t> rgb565 = {0xF800, 0x07E0, 0x001F};
    std::vector<uint8_t> pixels = {0xE0, 0x07, 0xFF, 0xFF};  // full green, white
    for (uint32_t headerSize : {40u, 56u, 108u, 124u}) {
        Image24 image = Decoded(MakeBmp(
            {.width = 2, .height = 1, .bitCount = 16, .compression = 3, .headerSize = headerSize, .masks = rgb565}, pixels));
        EXPECT_EQ(image.At(0, 0), kGreen) << headerSize;
        EXPECT_EQ(image.At(1, 0), kWhite) << headerSize;
    }
    // 32 bits with ten bits per channel: the top eight bits of each are kept.
    Image24 wide = Decoded(MakeBmp({.width = 1, .height = 1, .bitCount = 32, .compression = 3,
                                    .masks = {0x3FF00000, 0x000FFC00, 0x000003FF}},
                                   {0xFF, 0x03, 0x00, 0x20}));
    EXPECT_EQ(wide.At(0, 0), (Rgb24{255, 0, 128}));
}

TEST(BmpDecoderDepths, ThirtyTwoBitIgnoresTheFourthByte)
{
    Image24 image = Decoded(MakeBmp({.width = 1, .height = 1, .bitCount = 32}, {10, 20, 30, 0x80}));
    EXPECT_EQ(image.At(0, 0), (Rgb24{10, 20, 30}));
}

TEST(BmpDecoderRunLength, Rle8RunsLiteralsDeltaAndEndOfLine)
{
    BmpSpec spec{.width = 6, .height = 3, .bitCount = 8, .compression = 1, .palette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF}};
    std::vector<uint8_t> data = {
        3, 1,              // bottom row: three red
        0, 3, 2, 3, 2, 0,  // then a literal green, blue, green (padded to a word)
        0, 0,              // end of line
        0, 2, 4, 1,        // delta: four right, one up (to the top row)
        2, 3,              // two blue at x 4, 5 of the top row
        0, 1,              // end of bitmap
    };
    Image24 image = Decoded(MakeBmp(spec, data));
    EXPECT_EQ(image.At(0, 2), kRed);
    EXPECT_EQ(image.At(2, 2), kRed);
    EXPECT_EQ(image.At(3, 2), kGreen);
    EXPECT_EQ(image.At(4, 2), kBlue);
    EXPECT_EQ(image.At(5, 2), kGreen);
    EXPECT_EQ(image.At(0, 1), kBlack) << "pixels no code sets keep palette entry 0";
    EXPECT_EQ(image.At(4, 0), kBlue);
    EXPECT_EQ(image.At(5, 0), kBlue);
}

TEST(BmpDecoderRunLength, Rle4AlternatesTheTwoNibbles)
{
    BmpSpec spec{.width = 5, .height = 1, .bitCount = 4, .compression = 2, .palette = {0x000000, 0xFF0000, 0x00FF00}};
    Image24 image = Decoded(MakeBmp(spec, {5, 0x12, 0, 1}));
    EXPECT_EQ(image.At(0, 0), kRed);
    EXPECT_EQ(image.At(1, 0), kGreen);
    EXPECT_EQ(image.At(4, 0), kRed);
}

TEST(BmpDecoderRunLength, RunsBeyondTheImageAreClippedAndCutDataStops)
{
    BmpSpec spec{.width = 2, .height = 2, .bitCount = 8, .compression = 1, .palette = {0x000000, 0xFF0000}};
    Image24 image = Decoded(MakeBmp(spec, {255, 1, 0, 2, 255, 255, 200, 1}));
    EXPECT_EQ(image.At(0, 1), kRed);
    EXPECT_EQ(image.At(1, 1), kRed);
    EXPECT_EQ(image.At(0, 0), kBlack);
}

TEST(BmpDecoderRefusals, WhatIsNotAPlainWindowsBitmapIsRefusedWithAReason)
{
    std::vector<uint8_t> good = MakeBmp({.width = 1, .height = 1}, {1, 2, 3, 0});
    std::vector<uint8_t> notBm = good;
    notBm[1] = 'A';
    EXPECT_NE(Refusal(notBm).find("BM"), std::string::npos);
    EXPECT_NE(Refusal(MakeBmp({.width = 1, .height = 1, .planes = 2}, {1, 2, 3, 0})).find("planes"), std::string::npos);
    EXPECT_NE(Refusal(MakeBmp({.width = 0, .height = 1}, {})).find("no pixels"), std::string::npos);
    EXPECT_NE(Refusal(MakeBmp({.width = 1, .height = 0}, {})).find("no pixels"), std::string::npos);
    EXPECT_NE(Refusal(MakeBmp({.width = 1, .height = 1, .compression = 4}, {1, 2})).find("JPEG"), std::string::npos);
    EXPECT_NE(Refusal(MakeBmp({.width = 1, .height = 1, .compression = 5}, {1, 2})).find("PNG"), std::string::npos);
    EXPECT_NE(Refusal(MakeBmp({.width = 1, .height = 1, .headerSize = 100}, {1, 2, 3, 0})).find("header size"),
              std::string::npos);
    EXPECT_NE(Refusal(MakeBmp({.width = 1, .height = 1, .bitCount = 7}, {1, 2, 3, 0})).find("7 bits"), std::string::npos);
    EXPECT_NE(Refusal(MakeBmp({.width = 1, .height = -1, .bitCount = 8, .compression = 1}, {0, 1})).find("top-down"),
              std::string::npos);
    EXPECT_NE(Refusal(MakeBmp({.width = 1, .height = 1, .bitCount = 16, .compression = 3, .masks = {0xF0F, 0xF0, 0}},
                              {0, 0, 0, 0}))
                  .find("contiguous"),
              std::string::npos);
}

TEST(BmpDecoderRefusals, RowsTheFileDoesNotHoldAreRefused)
{
    std::vector<uint8_t> file = MakeBmp({.width = 4, .height = 4}, std::vector<uint8_t>(48 - 1, 0));
    EXPECT_NE(Refusal(file).find("too short"), std::string::npos);
}

TEST(BmpDecoderRefusals, HugeDeclaredSizesAreRefusedBeforeAnyAllocation)
{
    EXPECT_NE(Refusal(MakeBmp({.width = 1 << 20, .height = 1}, {})).find("too large"), std::string::npos);
    EXPECT_NE(Refusal(MakeBmp({.width = 16384, .height = -16384, .bitCount = 8, .compression = 1}, {0, 1}))
                  .find("too large"),
              std::string::npos);
    BmpLimits small{.maxSide = 4, .maxPixels = 8};
    EXPECT_FALSE(DecodeBmp(MakeBmp({.width = 3, .height = 3}, std::vector<uint8_t>(36, 0)), small).Ok());
    EXPECT_TRUE(DecodeBmp(MakeBmp({.width = 4, .height = 2}, std::vector<uint8_t>(24, 0)), small).Ok());
}

TEST(BmpDecoderRefusals, EveryTruncationOfAValidFileIsHandled)
{
    std::vector<uint8_t> file = MakeBmp({.width = 5, .height = 3, .bitCount = 4, .palette = {0xFF0000, 0x00FF00}},
                                        std::vector<uint8_t>(12, 0x01));
    // The last row's padding byte is not needed; everything before it is.
    for (std::size_t size = 0; size <= file.size(); ++size) {
        std::vector<uint8_t> cut(file.begin(), file.begin() + std::ptrdiff_t(size));
        BmpDecodeResult result = DecodeBmp(cut);
        EXPECT_EQ(result.Ok(), size >= file.size() - 1) << "cut at " << size << ": " << result.error;
    }
}
