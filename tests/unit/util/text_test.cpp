#include "util/text.h"

#include <string>

#include <gtest/gtest.h>

TEST(LowerAsciiLettersTest, LeavesOtherBytesAlone) {
    std::string text = "AZaz09-\xc9\xd1\xe9\xff@[";
    lowerAsciiLetters(text);
    EXPECT_EQ(text, "azaz09-\xc9\xd1\xe9\xff@[");
}
