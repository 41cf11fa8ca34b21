#pragma once
#include <string>

#include "util/window_handle.h"

// The user's language: one of "english", "french", "german", "spanish",
// "polish", "japanese", "italian", "portuguese", "dutch"; never empty.
std::string getLanguage();

// Prepare the Japanese font on a window, or on one control of a dialog, when
// the language is Japanese (in any letter case); otherwise nothing happens.
void setWindowCharType(WindowHandle window);
void selectControlIdCharType(WindowHandle dialog, int controlId, const std::string& language);
