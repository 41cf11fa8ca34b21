#include "locale/language_match.h"

#include <string>

#include <gtest/gtest.h>

TEST(LanguageMatchTest, FindsTheFirstMatchingGroup) {
    const struct { const char* text; const char* language; } cases[] = {  // language null: no match
        {"FRANCE", "french"}, {"Espa\xf1" "a", "spanish"}, {"Polska", nullptr}, {"00000409", nullptr},
        // Groups are tried in order: "canadian" alone would be English.
        {"french-canadian", "french"}, {"swiss german", "german"}, {"italian-swiss", "italian"},
        // Synonyms count only at the start, names anywhere.
        {"Campus", nullptr}, {"uk", "english"}, {"Canadian French", "french"},
        // Accented spellings, and the EF BF BD stand-ins kept for old texts.
        {"ingl\xe9s", "english"}, {"Portugu\xef\xbf\xbdses", "portuguese"},
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        const LanguageGroup* group = matchLanguageText(text);
        EXPECT_STREQ(group ? group->name : nullptr, c.language) << c.text;
    }
}
