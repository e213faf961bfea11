#include "skin/layout/MulDiv.h"

namespace {

// -x in 32-bit arithmetic: -2147483648 stays itself.
int32_t Negated(int32_t x)
{
    return int32_t(0u - uint32_t(x));
}

}  // namespace

int32_t PlatformMulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    if (c < 0) {
        a = Negated(a);
        c = Negated(c);
    }
    // The rounding follows the signs of the factors: half the divisor is
    // added for a result counted as positive, taken away otherwise, and the
    // division cuts toward zero.
    int64_t product = int64_t(a) * int64_t(b);
    int64_t half = c / 2;
    bool positive = (a < 0) == (b < 0);
    int64_t result = (positive ? product + half : product - half) / c;
    if (result > 2147483647 || result < -2147483647)
        return -1;
    return int32_t(result);
}
