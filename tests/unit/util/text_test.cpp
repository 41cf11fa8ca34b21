#include "util/text.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(TrimLineEndTest, DropsTrailingBlanksAndLineEnds) {
    EXPECT_EQ(trimLineEnd("C:\\dir  \r\n"), "C:\\dir");
    EXPECT_EQ(trimLineEnd("C:\\my dir\n"), "C:\\my dir");
    EXPECT_EQ(trimLineEnd("  \r\n"), "");
    EXPECT_EQ(trimLineEnd(""), "");
}

TEST(LowerAsciiLettersTest, LeavesOtherBytesAlone) {
    std::string text = "AZaz09-\xc9\xd1\xe9\xff@[";
    lowerAsciiLetters(text);
    EXPECT_EQ(text, "azaz09-\xc9\xd1\xe9\xff@[");
}

}  // namespace
