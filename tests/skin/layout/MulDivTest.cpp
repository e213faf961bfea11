// The platform's multiply-then-divide as the scroll-bar arithmetic uses it.

#include <gtest/gtest.h>

#include <climits>

#include "skin/layout/MulDiv.h"

TEST(PlatformMulDiv, RoundsToTheNearestWithHalvesAwayFromZero)
{
    EXPECT_EQ(PlatformMulDiv(10, 10, 3), 33);   // 33.3
    EXPECT_EQ(PlatformMulDiv(10, 20, 3), 67);   // 66.7
    EXPECT_EQ(PlatformMulDiv(1, 5, 2), 3);      // 2.5
    EXPECT_EQ(PlatformMulDiv(-1, 5, 2), -3);    // -2.5
    EXPECT_EQ(PlatformMulDiv(1, -5, 2), -3);
    EXPECT_EQ(PlatformMulDiv(1, 5, -2), -3);
    EXPECT_EQ(PlatformMulDiv(-1, -5, -2), -3);
    EXPECT_EQ(PlatformMulDiv(-1, -5, 2), 3);
    EXPECT_EQ(PlatformMulDiv(7, 1, 4), 2);      // 1.75
    EXPECT_EQ(PlatformMulDiv(-7, 1, 4), -2);
    EXPECT_EQ(PlatformMulDiv(0, -5, 3), 0);
}

TEST(PlatformMulDiv, AZeroDivisorGivesMinusOne)
{
    EXPECT_EQ(PlatformMulDiv(5, 7, 0), -1);
    EXPECT_EQ(PlatformMulDiv(0, 0, 0), -1);
    EXPECT_EQ(PlatformMulDiv(-5, 7, 0), -1);
}

TEST(PlatformMulDiv, TheProductIsWideAndOnlyTheResultMustFit)
{
    EXPECT_EQ(PlatformMulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
    EXPECT_EQ(PlatformMulDiv(2000000000, 2000000000, 2000000000), 2000000000);
    EXPECT_EQ(PlatformMulDiv(INT_MIN, 1, 2), -1073741824);
    EXPECT_EQ(PlatformMulDiv(INT_MAX, 2, 2), INT_MAX);
    EXPECT_EQ(PlatformMulDiv(INT_MAX, 2, 1), -1) << "beyond the range";
    EXPECT_EQ(PlatformMulDiv(INT_MIN, 1, 1), -1) << "-2147483648 itself is out of range";
    EXPECT_EQ(PlatformMulDiv(INT_MIN, -1, 1), -1);
    EXPECT_EQ(PlatformMulDiv(-INT_MAX, 1, 1), -INT_MAX);
}

TEST(PlatformMulDiv, ANegativeDivisorTurnsTheSignsIn32BitArithmetic)
{
    // -(-2147483648) is itself in 32 bits: the divisor stays negative.
    EXPECT_EQ(PlatformMulDiv(1, 2147483647, INT_MIN), 0);
    EXPECT_EQ(PlatformMulDiv(-3, 2147483647, INT_MIN), -2);  // (6442450941 - 1073741824) / -2147483648, cut
    EXPECT_EQ(PlatformMulDiv(INT_MIN, 1, -1), -1) << "-2147483648 does not turn positive";
    EXPECT_EQ(PlatformMulDiv(3, 7, -2), -11);  // -10.5 away from zero
}
