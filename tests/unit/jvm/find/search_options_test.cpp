#include "jvm/find/search_options.h"

#include <gtest/gtest.h>

TEST(SearchOptionsTest, KeysAndHomes) {
    JvmSearchOptions options = parseSearchOptions("YES", "Numeric", "30 s");
    EXPECT_TRUE(options.modernSearch && options.numericCompare && options.any());
    EXPECT_EQ(options.testTimeoutSeconds, 30u);
    options = parseSearchOptions("no", "text", "x");
    EXPECT_FALSE(options.modernSearch || options.numericCompare || options.any());
    EXPECT_EQ(parseSearchOptions("", "", "99999999999").testTimeoutSeconds, 2000000u);
    EXPECT_EQ(cleanJvmHome("\"C:\\jdk 17\\\""), "C:\\jdk 17");
}
