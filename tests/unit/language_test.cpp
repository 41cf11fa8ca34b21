#include "locale/language_match.h"

#include <string>

#include <gtest/gtest.h>

namespace {

struct MatchCase {
    const char* text;
    const char* language;  // null: no match
};

const MatchCase kMatchCases[] = {
    {"France", "french"},
    {"Deutschland", "german"},
    {"Espa\xf1" "a", "spanish"},
    {"United States", "english"},
    {"Polska", nullptr},
    // Groups are tried in order: "canadian" would be English.
    {"french-canadian", "french"},
    // us and uk count only at the start.
    {"Campus", nullptr},
    {"duke", nullptr},
    {"uk", "english"},
    {"USA", "english"},
    {"swiss german", "german"},
    {"german-swiss", "german"},
    {"italian-swiss", "italian"},
    {"00000409", nullptr},
    {"C", nullptr},
    {"", nullptr},
    {"Fran\xe7" "ais", "french"},
    {"fran\xef\xbf\xbd" "ais", "french"},
    {"ingl\xe9s", "english"},
    {"Inglesi", "english"},
    {"alem\xe3o", "german"},
    {"Portugu\xef\xbf\xbdses", "portuguese"},
    {"Dutch (Standard)", "dutch"},
    {"landinstellingen", "dutch"},
    {"PLK", "polish"},
    {"jpn", "japanese"},
    {"Japanese_Japan.932", "japanese"},
};

class MatchLanguageTextTest : public ::testing::TestWithParam<MatchCase> {};

TEST_P(MatchLanguageTextTest, FindsGroup) {
    std::string text = GetParam().text;
    const LanguageGroup* group = matchLanguageText(text);
    if (GetParam().language == nullptr) {
        EXPECT_EQ(group, nullptr) << group->name;
    } else {
        ASSERT_NE(group, nullptr);
        EXPECT_STREQ(group->name, GetParam().language);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, MatchLanguageTextTest, ::testing::ValuesIn(kMatchCases));

TEST(MatchLanguageTextTest, LowerCasesInPlaceAndNamesLogTag) {
    std::string text = "FRANCE";
    const LanguageGroup* group = matchLanguageText(text);
    ASSERT_NE(group, nullptr);
    EXPECT_STREQ(group->logTag, "French found");
    EXPECT_EQ(text, "france");
}

TEST(LowerAsciiLettersTest, LeavesOtherBytesAlone) {
    std::string text = "AZaz09-\xc9\xd1\xe9\xff@[";
    lowerAsciiLetters(text);
    EXPECT_EQ(text, "azaz09-\xc9\xd1\xe9\xff@[");
}

}  // namespace
