#pragma once
// How well a text colour reads on a surface: the ratio of the two colours'
// relative luminances (sRGB, each plus 0.05), 1 (none) to 21 (black on white).

#include <cstdint>

// Colours as 0x00BBGGRR.
double RelativeLuminance(uint32_t colour);
double ContrastRatio(uint32_t a, uint32_t b);

// The ratio body text needs to read comfortably.
constexpr double kReadableContrast = 4.5;
