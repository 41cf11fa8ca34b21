#include "locale/language_match.h"

#include <string>

#include <gtest/gtest.h>

namespace {

struct MatchCase {
    const char* text;
    const char* language;  // null: no match
};

const MatchCase kMatchCases[] = {
    {"France", "french"}, {"Deutschland", "german"}, {"Espa\xf1" "a", "spanish"},
    {"United States", "english"}, {"PLK", "polish"}, {"Japanese_Japan.932", "japanese"},
    {"Dutch (Standard)", "dutch"}, {"Polska", nullptr}, {"00000409", nullptr}, {"C", nullptr},
    {"", nullptr},
    // Groups are tried in order: "canadian" alone would be English.
    {"french-canadian", "french"}, {"swiss german", "german"}, {"german-swiss", "german"},
    {"italian-swiss", "italian"},
    // Synonyms count only at the start, names anywhere.
    {"Campus", nullptr}, {"duke", nullptr}, {"uk", "english"}, {"USA", "english"},
    // Accented spellings, and the EF BF BD stand-ins kept for old texts.
    {"Fran\xe7" "ais", "french"}, {"fran\xef\xbf\xbd" "ais", "french"}, {"ingl\xe9s", "english"},
    {"alem\xe3o", "german"}, {"Portugu\xef\xbf\xbdses", "portuguese"},
};

TEST(LanguageMatchTest, FindsTheFirstMatchingGroup) {
    for (const MatchCase& c : kMatchCases) {
        std::string text = c.text;
        SCOPED_TRACE(text);
        const LanguageGroup* group = matchLanguageText(text);
        if (c.language == nullptr) {
            EXPECT_EQ(group, nullptr) << group->name;
        } else {
            ASSERT_NE(group, nullptr);
            EXPECT_STREQ(group->name, c.language);
        }
    }
}

TEST(MatchLanguageTextTest, LowerCasesInPlaceAndNamesLogTag) {
    std::string text = "FRANCE";
    const LanguageGroup* group = matchLanguageText(text);
    ASSERT_NE(group, nullptr);
    EXPECT_STREQ(group->logTag, "French found");
    EXPECT_EQ(text, "france");
}

}  // namespace
