#pragma once
#include <string>

// The status dialog's start-up text for a language name; English for any other value.
const char* startupText(const std::string& language);
