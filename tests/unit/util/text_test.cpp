#include "util/text.h"

#include <string>

#include <gtest/gtest.h>

TEST(LowerAsciiLettersTest, LeavesOtherBytesAlone) {
    std::string text = "AZaz09-\xc9\xd1\xe9\xff@[";
    lowerAsciiLetters(text);
    EXPECT_EQ(text, "azaz09-\xc9\xd1\xe9\xff@[");
}

// "Without regard to case" as the runtime's _stricmp has it in the "C" locale:
// A to Z fold to a to z, so "_" sorts before the letters, and bytes beyond ASCII stay.
TEST(CompareIgnoringCaseTest, FoldsOnlyAsciiLettersToLowerCase) {
    EXPECT_EQ(compareIgnoringCase("C:\\Program Files", "c:\\PROGRAM FILES"), 0);
    EXPECT_LT(compareIgnoringCase("A_B", "AaB"), 0);
    EXPECT_LT(compareIgnoringCase("1.2", "1.2.0"), 0);
    EXPECT_GT(compareIgnoringCase("1.10", "1.1"), 0);
    EXPECT_FALSE(equalsIgnoringCase("\xc9t\xe9", "\xe9t\xe9"));
}

// The browser's command takes the address as "%1": nothing in it may end the argument.
TEST(IsWebAddressTest, PrintableAsciiWithoutBlanksQuotesOrBracketsAfterTheScheme) {
    EXPECT_TRUE(isWebAddress("HTTPS://example.invalid/java?a=1&b=%22#top") && isWebAddress("http://x"));
    EXPECT_FALSE(isWebAddress("C:\\tools\\getjava.exe") || isWebAddress("file://C:/x.html") || isWebAddress("http"));
    for (char c : std::string(" \"<>\\^`{|}\r\n\t\x7f\xe9\0", 16)) {
        EXPECT_FALSE(isWebAddress(std::string("https://a") + c + "b")) << static_cast<int>(c);
    }
}
