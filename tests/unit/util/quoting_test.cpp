#include "util/quoting.h"

#include <gtest/gtest.h>

TEST(QuotingTest, QuotesOnlyWhenBlankPresent) {
    EXPECT_EQ(quoteIfBlank("C:\\a b"), "\"C:\\a b\"");
    EXPECT_EQ(quoteIfBlank("C:\\ab"), "C:\\ab");
    // A closing quote after backslashes would be read as an escaped quote.
    EXPECT_EQ(quoteIfBlank("C:\\My Dir\\"), "\"C:\\My Dir\\\\\"");
    EXPECT_EQ(quoteWhole("a\\b"), "\"a\\b\"");
    // A program's path knows no escapes.
    EXPECT_EQ(quoteProgramIfBlank("C:\\My Dir\\"), "\"C:\\My Dir\\\"");
    EXPECT_EQ(unquoteProgram("\"C:\\My Dir\\\""), "C:\\My Dir\\");
}
