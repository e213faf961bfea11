#pragma once
// The platform's multiply-then-divide, which the scroll-bar arithmetic is
// defined by: a x b / c over a 64-bit product, rounded to the nearest integer
// with halves away from zero; -1 for a zero divisor and for a result beyond
// +-2147483647. A negative divisor turns the signs of a and c in 32-bit
// arithmetic first, as the platform does (so -2147483648 stays negative); a
// Windows test holds this against the platform's own MulDiv.

#include <cstdint>

int32_t PlatformMulDiv(int32_t a, int32_t b, int32_t c);
