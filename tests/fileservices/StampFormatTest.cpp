#include <gtest/gtest.h>

#include "core/Exceptions.h"
#include "fileservices/StampFormat.h"

namespace {

const StampTime afternoon{2026, 7, 4, 15, 5, 9, 42};

TEST(StampFormat, LettersBecomeTheirFields)
{
    EXPECT_EQ(FormatStamp("yyyy-MM-dd HH:mm:ss.fff", afternoon), "2026-07-04 15:05:09.042");
    EXPECT_EQ(FormatStamp("d/M/yy h:m:s tt", afternoon), "4/7/26 3:5:9 PM");
    EXPECT_EQ(FormatStamp("hh tt", {2026, 1, 1, 0, 0, 0, 0}), "12 AM");
}

TEST(StampFormat, QuotedTextAndOtherCharactersStay)
{
    EXPECT_EQ(FormatStamp("'Day' d, 'at' HH", afternoon), "Day 4, at 15");
    EXPECT_EQ(FormatStamp("HH'' mm", afternoon), "15' 05");
    EXPECT_EQ(FormatStamp("", afternoon), "");
}

TEST(StampFormat, AnUnclosedQuoteIsAnError)
{
    EXPECT_THROW(FormatStamp("HH 'oops", afternoon), EConvertError);
}

}  // namespace
