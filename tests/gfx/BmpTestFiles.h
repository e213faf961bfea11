#pragma once
// Builds small .bmp files in memory for the decoder's tests.

#include <cstdint>
#include <vector>

struct BmpSpec {
    int32_t width = 1;
    int32_t height = 1;  // negative: top-down
    uint16_t bitCount = 24;
    uint32_t compression = 0;
    uint32_t headerSize = 40;
    uint16_t planes = 1;
    std::vector<uint32_t> masks{};  // after a 40-byte header, or inside a larger one
    std::vector<uint32_t> palette{};  // 0x00RRGGBB, written as blue, green, red, 0
    uint32_t colorsUsed = 0;
};

// Headers, masks and palette followed by pixelData as given (rows padded by the caller).
std::vector<uint8_t> MakeBmp(const BmpSpec& spec, const std::vector<uint8_t>& pixelData);
