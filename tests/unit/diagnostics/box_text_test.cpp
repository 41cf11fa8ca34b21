#include "diagnostics/box_text.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

TEST(ErrorSuffixTest, EachLanguageHasItsOwnAndOtherNamesGetEnglish) {
    std::set<std::string> suffixes;
    for (const char* language : {"english", "french", "german", "spanish", "polish", "italian",
                                 "portuguese", "japanese", "dutch"}) {
        std::string suffix = errorSuffix(language);
        EXPECT_EQ(suffix.compare(0, 2, "\n\n"), 0) << language;
        EXPECT_NE(suffix.find("jinstall.log"), std::string::npos) << language;
        suffixes.insert(suffix);
    }
    EXPECT_EQ(suffixes.size(), 9u);
    // Windows-1250 for Polish, Windows-1252 otherwise.
    EXPECT_NE(std::string(errorSuffix("polish")).find("dok\xb3" "adnej"), std::string::npos);
    EXPECT_NE(std::string(errorSuffix("german")).find("\xfc" "berpr\xfc" "fen"), std::string::npos);
    for (const char* name : {"klingon", "", "English"}) {
        EXPECT_STREQ(errorSuffix(name), errorSuffix("english")) << name;
    }
}
