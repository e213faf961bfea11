#pragma once
// Windows bitmap files (".bmp") decoded to 24-bit pixels, for skin images.
//
// Read: 1, 2, 4, 8, 16, 24 and 32 bits per pixel; uncompressed, bit-field,
// RLE8 and RLE4 data; bottom-up and top-down rows; the OS/2 1.x core header
// and every later Windows header. Refused with a message: other compressions
// (JPEG, PNG, RLE24, Huffman), zero or negative sizes, files too short for
// their rows, images above the caps below. Alpha channels are ignored.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "gfx/PixelView.h"

struct BmpLimits {
    // Caps that keep a hostile header from asking for unbounded memory:
    // each side at most 16384 pixels and at most 16 Mi pixels in all
    // (48 MiB of 24-bit pixels), far above any skin image.
    int maxSide = 16384;
    int64_t maxPixels = int64_t(16) << 20;
};

struct BmpDecodeResult {
    Image24 image;      // empty when the file was refused
    std::string error;  // why it was refused; empty on success

    bool Ok() const { return error.empty(); }
};

// Decodes a whole .bmp file held in memory. Never reads outside file.
BmpDecodeResult DecodeBmp(std::span<const uint8_t> file, const BmpLimits& limits = {});
