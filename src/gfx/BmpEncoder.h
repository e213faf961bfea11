#pragma once
// Writes bottom-up Windows bitmap files (BITMAPINFOHEADER, uncompressed):
// 24 bits per pixel, 32 bits with alpha, or 8 bits with a palette of the
// picture's own colours (at most 256, in first-seen order).

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/PixelView.h"

std::vector<uint8_t> EncodeBmp24(ConstView24 picture);
std::vector<uint8_t> EncodeBmp32(ConstView32 picture);
// nullopt when the picture has more than 256 colours.
std::optional<std::vector<uint8_t>> EncodeBmp8(ConstView24 picture);

inline std::vector<uint8_t> EncodeBmp24(const Image24& image) { return EncodeBmp24(image.View()); }
inline std::vector<uint8_t> EncodeBmp32(const Image32& image) { return EncodeBmp32(image.View()); }
inline std::optional<std::vector<uint8_t>> EncodeBmp8(const Image24& image) { return EncodeBmp8(image.View()); }
