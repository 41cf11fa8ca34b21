#pragma once
#include <string>

// JVM versions are compared as texts, never as numbers: case-insensitively,
// after cutting the candidate to the length of the bound, so every bound acts
// as a prefix (required 1.3 accepts 1.3.1_02; minimum 1.2 rejects 1.10.0).

// The version in a line the test class wrote: from its first digit to its last.
std::string extractVersion(const std::string& line);

// Negative, zero or positive as `version`, cut to the bound's length, sorts
// before, equal to or after `bound`, ignoring letter case.
int compareCut(const std::string& version, const std::string& bound);

// A required version decides alone; otherwise the minimum and, when given, the maximum.
bool versionAcceptable(const std::string& version, const std::string& required,
                       const std::string& minimum, const std::string& maximum);

// What the runtime's error number means when a program could not be started.
const char* spawnErrorText(int error);
