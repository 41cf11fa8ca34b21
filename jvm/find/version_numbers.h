#pragma once
#include <string>

// Versions compared by their numbers (jvmVersionCompare=numeric), for Java's
// two numbering schemes at once: 1.8.0_101 > 1.8.0_77, 17.0.2 > 1.8.0_401,
// 9 > 1.8 and 1.10 > 1.9.
//
// A version is a run of numbers separated by "." or "_" (leading zeros do not
// count, missing numbers count as 0, so 1.8 equals 1.8.0), then an optional
// pre-release tag: the letters, digits, "." "_" and "-" that follow, without
// the separators before it (1.3.0-C, 17-ea). A version with a tag sorts before
// the same numbers without one; two tags compare as texts, ignoring letter
// case. The version ends at any other character; build information after "+"
// (17.0.2+8) is ignored. A text that does not begin with a digit has no numbers.

// Negative, zero or positive as `a` sorts before, equal to or after `b`.
int compareVersionNumbers(const std::string& a, const std::string& b);

// The bounds by numbers. A required version is a prefix of numbers: 1.8
// accepts 1.8, 1.8.0 and 1.8.0_401 but not 1.80 (with a tag of its own it must
// be matched exactly). The minimum is compared whole, so 17-ea is below a
// minimum of 17. The maximum is a prefix too: 1.8 admits every 1.8.x; with a
// tag of its own it is compared whole.
bool versionAcceptableByNumbers(const std::string& version, const std::string& required,
                                const std::string& minimum, const std::string& maximum);

// The same for a version a registry key gives, which may be less precise than
// a bound: one that equals the bound as far as it goes (key 1.8 with
// MicroVersion 0, read as 1.8.0, against a minimum of 1.8.0_77) is left for
// the version test to decide instead of being refused.
bool registryVersionAcceptableByNumbers(const std::string& version, const std::string& required,
                                        const std::string& minimum, const std::string& maximum);

// The version in a line the test class wrote, as compared by numbers: from the
// first digit while letters, digits and . _ - + follow ("17-ea" keeps its tag).
std::string extractVersionToken(const std::string& line);
