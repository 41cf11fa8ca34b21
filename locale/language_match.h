#pragma once
#include <string>

// One of the nine languages: the name other code compares against, and the tag
// written to locale.log when a text matched it.
struct LanguageGroup {
    const char* name;    // "french"
    const char* logTag;  // "French found"
};

// Lower-cases `text` in place and returns the first language group whose own
// name occurs anywhere in it or one of whose synonyms begins it; null if none.
const LanguageGroup* matchLanguageText(std::string& text);
