#include "launcher/startup_text.h"

#include <gtest/gtest.h>

TEST(StartupTextTest, EnglishForAnyOtherName) {
    for (const char* language : {"klingon", "French", ""}) {
        EXPECT_STREQ(startupText(language), startupText("english")) << language;
    }
    EXPECT_STREQ(startupText("german"), "Bereite Wizard..");
}
