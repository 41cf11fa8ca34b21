#include "launcher/startup_text.h"

#include <gtest/gtest.h>

namespace {

TEST(StartupTextTest, EnglishForAnyOtherNameAndProperFrenchLetters) {
    for (const char* language : {"english", "klingon", "French", ""}) {
        EXPECT_STREQ(startupText(language), "Unpacking the installer...") << language;
    }
    EXPECT_STREQ(startupText("french"), "Pr\xe9paration Wizard...");
    EXPECT_STREQ(startupText("german"), "Bereite Wizard..");
}

}  // namespace
