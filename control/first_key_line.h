#pragma once
#include <string>

// Reads `file` or, when it cannot be opened, `fallback` (a file written in the
// same key-and-value form), and finds the first line that begins with `key`,
// in pieces of at most 998 characters. Returns false when neither file opens;
// otherwise `found` tells whether a line carried the key, and `value` (and
// `line`, when given) hold that line's value and whole text.
bool readFirstKeyLine(const char* file, const char* fallback, const char* key, std::string& value, bool& found,
                      std::string* line = nullptr);

// Whether kiv.control asks for the exit code report (exitCodeReport), by the
// first line that carries the key. Read before the control file is repaired,
// so that one which cannot be repaired or read still answers; when kiv.control
// cannot be opened, the repaired copy __kiv.control answers: a replacement
// interrupted half way leaves it complete where kiv.control is missing.
bool exitCodeReportWanted();
