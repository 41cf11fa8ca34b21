#pragma once
#include <string>

// Reads `file` or, when it cannot be opened, `fallback` (a file written in the
// same key-and-value form), and finds the first line that begins with `key`,
// in pieces of at most 998 characters. Returns false when neither file opens;
// otherwise `found` tells whether a line carried the key, and `value` (and
// `line`, when given) hold that line's value and whole text.
bool readFirstKeyLine(const char* file, const char* fallback, const char* key, std::string& value, bool& found,
                      std::string* line = nullptr);
