#pragma once
#include <string>

extern const char kMessageCaption[];  // "Kivrelle Installer"

// The caption of an error box for a message caption: "<caption>: Error", as
// "Kivrelle Installer: Error" for the launcher's own.
std::string errorCaption(const std::string& messageCaption);

// The sentence pointing to the log files, in the given language (English for an
// unknown one), starting with two line feeds.
const char* errorSuffix(const std::string& language);

// The caller's text immediately followed by the suffix.
std::string errorBoxText(const std::string& text, const std::string& language);
