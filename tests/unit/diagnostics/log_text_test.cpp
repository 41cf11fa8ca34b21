#include "diagnostics/log_text.h"

#include <gtest/gtest.h>

TEST(TimeStampTest, StandardFormWithTheDayPaddedByABlank) {
    std::tm time = {};
    time.tm_wday = 0;
    time.tm_mon = 11;
    time.tm_mday = 6;
    time.tm_hour = 9;
    time.tm_min = 5;
    time.tm_sec = 7;
    time.tm_year = 126;
    EXPECT_EQ(timeStampText(time), "Sun Dec  6 09:05:07 2026");
    time.tm_mday = 16;
    EXPECT_EQ(timeStampText(time), "Sun Dec 16 09:05:07 2026");
}
