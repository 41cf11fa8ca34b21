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

// Shift-JIS: 0x81-0x9F and 0xE0-0xFC begin a two-byte letter, whose second byte may be 0x5C.
TEST(EndsWithBackslashTest, OnlyABackslashOfItsOwnCounts) {
    auto shiftJis = [](unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); };
    EXPECT_TRUE(endsWithBackslash("C:\\", shiftJis));
    EXPECT_TRUE(endsWithBackslash("C:\\\x95\x5c\\", shiftJis));
    EXPECT_FALSE(endsWithBackslash("C:\\\x83\x5c\x95\x5c", shiftJis));  // a folder ending in its letter
    EXPECT_FALSE(endsWithBackslash("", shiftJis));
    EXPECT_TRUE(endsWithBackslash("C:\\\x95\\", [](unsigned char) { return false; }));  // 1252: a letter and a backslash
}

// The browser's command takes the address as "%1": nothing in it may end the argument.
TEST(IsWebAddressTest, PrintableAsciiWithoutBlanksQuotesOrBracketsAfterTheScheme) {
    EXPECT_TRUE(isWebAddress("HTTPS://example.invalid/java?a=1&b=%22#top") && isWebAddress("http://x"));
    EXPECT_FALSE(isWebAddress("C:\\tools\\getjava.exe") || isWebAddress("file://C:/x.html") || isWebAddress("http"));
    for (char c : std::string(" \"<>\\^`{|}\r\n\t\x7f\xe9\0", 16)) {
        EXPECT_FALSE(isWebAddress(std::string("https://a") + c + "b")) << static_cast<int>(c);
    }
}
