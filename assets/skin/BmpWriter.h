#pragma once
// Writes bottom-up Windows bitmap files: 24 bits per pixel, or 8 bits with a
// palette of the image's own colours (at most 256, in first-seen order).

#include <cstdint>
#include <optional>
#include <vector>

#include "gfx/PixelView.h"

std::vector<uint8_t> EncodeBmp24(const Image24& image);
// nullopt when the image has more than 256 colours.
std::optional<std::vector<uint8_t>> EncodeBmp8(const Image24& image);
