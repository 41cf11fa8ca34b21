#include "jvm/find/search_options.h"

#include <gtest/gtest.h>

namespace {

TEST(SearchOptionsTest, KeysAndCandidateLines) {
    JvmSearchOptions options = parseSearchOptions("YES", "Numeric", "30 s");
    EXPECT_TRUE(options.modernSearch && options.numericCompare && options.any());
    EXPECT_EQ(options.testTimeoutSeconds, 30u);
    options = parseSearchOptions("no", "text", "x");
    EXPECT_FALSE(options.modernSearch || options.numericCompare || options.any());
    EXPECT_EQ(parseSearchOptions("", "", "99999999999").testTimeoutSeconds, 2000000u);
    EXPECT_EQ(cleanJvmHome("\"C:\\jdk 17\\\""), "C:\\jdk 17");
    EXPECT_EQ(candidateLine("JAVA_HOME", "C:\\jdk", "1.8.0_77", JvmVerdict::outsideBounds, false),
              "jvm candidate: JAVA_HOME, home C:\\jdk, version 1.8.0_77: rejected, "
              "version outside the bounds");
    EXPECT_EQ(candidateLine("HKLM\\x", "C:\\jdk", "17", JvmVerdict::accepted, true),
              "jvm candidate: HKLM\\x, home C:\\jdk, version 17 (tested before): accepted");
    EXPECT_EQ(candidateLine("JAVA_HOME", "C:\\j", "", JvmVerdict::timedOut, false),
              "jvm candidate: JAVA_HOME, home C:\\j, no version: rejected, timed out");
}

}  // namespace
