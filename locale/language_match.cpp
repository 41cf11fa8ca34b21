#include "locale/language_match.h"

#include <initializer_list>

#include "util/text.h"

namespace {

struct SynonymGroup {
    LanguageGroup group;
    std::initializer_list<const char*> prefixes;
};

// Tested in this order; the first group that matches wins. Entries with the bytes
// EF BF BD stand where an accented letter belonged; they are kept so that text
// which matched them still does, and the proper Windows-1252 spelling is added.
const SynonymGroup kGroups[] = {
    {{"french", "French found"},
     {"french-belgian", "frc", "french-canadian", "fra", "frb", "french-swiss", "frs",
      "fran\xef\xbf\xbd" "ais", "fran\xe7" "ais", "franzosen", "francesi", "franceses",
      "franc\xef\xbf\xbds", "franc\xe9s"}},
    {{"german", "German found"},
     {"dea", "german-austrian", "deu", "des", "german-swiss", "swiss", "deutsch",
      "alem\xef\xbf\xbdn", "alem\xe1n", "alem\xef\xbf\xbdo", "alem\xe3o", "tedesco", "allemand"}},
    {{"spanish", "Spanish found"},
     {"esp", "esm", "spanish-mexican", "esn", "spanish-modern", "espa\xef\xbf\xbdoles",
      "espa\xf1oles", "espanh\xef\xbf\xbdis", "espanh\xf3is", "spagnoli", "spanisch", "espagnols"}},
    {{"polish", "Polish found"}, {"plk"}},
    {{"japanese", "Japanese found"}, {"jpn"}},
    {{"italian", "Italian found"}, {"italian-swiss", "ita", "its", "italiano"}},
    {{"portuguese", "Portuguese found"},
     {"portuguese-brasilian", "ptb", "ptg", "portugu\xef\xbf\xbdses"}},
    {{"dutch", "Dutch found"},
     {"dutch (standard)", "dutch (belgian)", "dutch-standard", "dutch-belgian", "landinstellingen"}},
    {{"english", "English found"},
     {"australian", "ena", "english-aus", "canadian", "enc", "english-can", "english-nz", "enz",
      "eng", "english-uk", "uk", "american", "american english", "american-english",
      "english-american", "english-us", "english-usa", "enu", "us", "usa", "united states",
      "england", "canada", "ingl\xef\xbf\xbds", "ingl\xe9s", "anglais", "englisch", "inglesi",
      "ingleses"}},
};

bool groupMatches(const SynonymGroup& group, const std::string& text) {
    if (text.find(group.group.name) != std::string::npos) return true;
    for (const char* prefix : group.prefixes) {
        if (beginsWith(text, prefix)) return true;
    }
    return false;
}

}  // namespace

const LanguageGroup* matchLanguageText(std::string& text) {
    lowerAsciiLetters(text);
    for (const SynonymGroup& group : kGroups) {
        if (groupMatches(group, text)) return &group.group;
    }
    return nullptr;
}
