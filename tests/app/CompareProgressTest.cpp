// The pacing and the text of the Compare command's progress.

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "app/ProgressPacing.h"
#include "app/ProgressText.h"

namespace {

TEST(SpeedText, ThreeSignificantDigitsInDecimalUnits)
{
    EXPECT_EQ(SpeedText(0), "0 B/s");
    EXPECT_EQ(SpeedText(-5), "0 B/s");
    EXPECT_EQ(SpeedText(870), "870 B/s");
    EXPECT_EQ(SpeedText(999.4), "999 B/s");
    EXPECT_EQ(SpeedText(999.5), "1.00 KB/s") << "never \"1000 B/s\"";
    EXPECT_EQ(SpeedText(1234), "1.23 KB/s");
    EXPECT_EQ(SpeedText(9994), "9.99 KB/s");
    EXPECT_EQ(SpeedText(9995), "10.0 KB/s") << "never \"10.00\"";
    EXPECT_EQ(SpeedText(12.5e6), "12.5 MB/s");
    EXPECT_EQ(SpeedText(99.96e6), "100 MB/s");
    EXPECT_EQ(SpeedText(999.6e6), "1.00 GB/s");
    EXPECT_EQ(SpeedText(1.25e9), "1.25 GB/s");
    EXPECT_EQ(SpeedText(5e15), "5000 TB/s") << "the largest unit takes what is beyond it";
}

TEST(CompareProgressText, ShareRoundedDownAndSpeedOverTheWholeRun)
{
    EXPECT_EQ(CompareProgressText(0, 4000, 0.5), "Comparing... 0 % (0 B/s)");
    EXPECT_EQ(CompareProgressText(1679, 4000, 1), "Comparing... 41 % (1.68 KB/s)");
    EXPECT_EQ(CompareProgressText(1680, 4000, 1), "Comparing... 42 % (1.68 KB/s)");
    EXPECT_EQ(CompareProgressText(std::uint64_t(5) << 32, std::uint64_t(20) << 32, 10),
              "Comparing... 25 % (2.15 GB/s)")
        << "past 32 bits";
}

TEST(CompareProgressText, NeverAHundredWhileRunningAndNoShareWithoutATotal)
{
    EXPECT_EQ(CompareProgressText(3999, 4000, 1), "Comparing... 99 % (4.00 KB/s)");
    EXPECT_EQ(CompareProgressText(4000, 4000, 1), "Comparing... 99 % (4.00 KB/s)");
    EXPECT_EQ(CompareProgressText(9000, 4000, 1), "Comparing... 99 % (9.00 KB/s)") << "a file grew meanwhile";
    EXPECT_EQ(CompareProgressText(2000, 0, 1), "Comparing... (2.00 KB/s)");
    EXPECT_EQ(CompareProgressText(2000, 4000, 0), "Comparing... 50 % (0 B/s)") << "no time measured yet";
}

TEST(ProgressPacing, PumpsOftenAndShowsOnlyAfterHalfASecondAFewTimesASecond)
{
    TProgressPacing pacing;
    int pumps = 0;
    double lastPump = 0;
    double longestGap = 0;
    std::vector<double> shows;
    // A read every millisecond for three seconds.
    for (int ms = 1; ms <= 3000; ++ms) {
        const double t = ms / 1000.0;
        const TProgressPacing::Step step = pacing.At(t);
        if (step.pump) {
            ++pumps;
            longestGap = std::max(longestGap, t - lastPump);
            lastPump = t;
        }
        if (step.show) {
            shows.push_back(t);
            EXPECT_TRUE(step.pump) << "a show is painted by the pump that follows it";
        }
    }
    EXPECT_LE(longestGap, 0.0411) << "the window answers at least every 40 ms and a read";
    EXPECT_LE(pumps, 3000 / 40 + 11) << "not at every read: every 40 ms and at each of the 11 shows";
    ASSERT_FALSE(shows.empty());
    EXPECT_DOUBLE_EQ(shows.front(), 0.5);
    EXPECT_EQ(shows.size(), 11u) << "0.5 s, then every 0.25 s";
    for (std::size_t i = 1; i < shows.size(); ++i)
        EXPECT_NEAR(shows[i] - shows[i - 1], 0.25, 0.0011);
}

TEST(ProgressPacing, SlowReadsPumpAfterEachAndShowEachTimeDue)
{
    TProgressPacing pacing;
    // Reads of 400 ms each (a slow network drive): every one pumps, and from
    // 0.5 s on every one shows, since each takes longer than the interval.
    EXPECT_TRUE(pacing.At(0.4).pump);
    EXPECT_FALSE(pacing.At(0.4).show);
    for (double t : {0.8, 1.2, 1.6}) {
        const TProgressPacing::Step step = pacing.At(t);
        EXPECT_TRUE(step.pump) << t;
        EXPECT_TRUE(step.show) << t;
    }
    EXPECT_FALSE(pacing.At(1.61).pump) << "a pump just happened";
}

}  // namespace
