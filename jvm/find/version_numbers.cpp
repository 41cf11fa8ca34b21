#include "jvm/find/version_numbers.h"

#include <vector>

#include "util/text.h"

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool inTag(char c) {
    return isAsciiDigit(c) || isLetter(c) || c == '.' || c == '_' || c == '-';
}

struct Version {
    std::vector<std::string> numbers;  // digits without leading zeros; "" is 0
    std::string tag;                   // lower case; empty for a release
};

Version parse(const std::string& text) {
    Version version;
    std::string::size_type i = 0;
    while (i < text.size() && isAsciiDigit(text[i])) {
        while (i + 1 < text.size() && text[i] == '0' && isAsciiDigit(text[i + 1])) ++i;
        std::string::size_type start = i;
        while (i < text.size() && isAsciiDigit(text[i])) ++i;
        version.numbers.push_back(text[start] == '0' ? std::string() : text.substr(start, i - start));
        // A separator counts only when a number follows it.
        if (i + 1 < text.size() && (text[i] == '.' || text[i] == '_') && isAsciiDigit(text[i + 1])) ++i;
    }
    while (i < text.size() && (text[i] == '-' || text[i] == '.' || text[i] == '_')) ++i;
    while (i < text.size() && inTag(text[i])) version.tag += lowerAscii(text[i++]);
    return version;
}

// Numbers of any length, so no value can overflow.
int compareNumber(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    int order = a.compare(b);
    return order < 0 ? -1 : order > 0 ? 1 : 0;
}

int compareFirst(const Version& a, const Version& b, std::size_t count) {
    const std::string zero;  // a missing number
    for (std::size_t i = 0; i < count; ++i) {
        int order = compareNumber(i < a.numbers.size() ? a.numbers[i] : zero,
                                  i < b.numbers.size() ? b.numbers[i] : zero);
        if (order != 0) return order;
    }
    return 0;
}

int compareWhole(const Version& a, const Version& b) {
    std::size_t count = a.numbers.size() > b.numbers.size() ? a.numbers.size() : b.numbers.size();
    int order = compareFirst(a, b, count);
    if (order != 0 || a.tag == b.tag) return order;
    if (a.tag.empty() || b.tag.empty()) return a.tag.empty() ? 1 : -1;  // a release follows its tags
    return a.tag < b.tag ? -1 : 1;
}

// A registry version less precise than a bound, and equal to it as far as it
// goes (1.8.0 against 1.8.0_77): the registry cannot tell, the version test will.
bool undecided(const Version& candidate, const Version& bound) {
    return candidate.tag.empty() && !candidate.numbers.empty() &&
           candidate.numbers.size() < bound.numbers.size() &&
           compareFirst(candidate, bound, candidate.numbers.size()) == 0;
}

bool acceptable(const std::string& version, const std::string& required, const std::string& minimum,
                const std::string& maximum, bool lenient) {
    const Version candidate = parse(version);
    if (!required.empty()) {
        const Version bound = parse(required);
        if (lenient && undecided(candidate, bound)) return true;
        if (!bound.tag.empty()) return compareWhole(candidate, bound) == 0;
        return compareFirst(candidate, bound, bound.numbers.size()) == 0;
    }
    if (!minimum.empty()) {
        const Version bound = parse(minimum);
        if (!(lenient && undecided(candidate, bound)) && compareWhole(candidate, bound) < 0) return false;
    }
    if (!maximum.empty()) {
        const Version bound = parse(maximum);
        int order = bound.tag.empty() ? compareFirst(candidate, bound, bound.numbers.size())
                                      : compareWhole(candidate, bound);
        if (order > 0) return false;
    }
    return true;
}

}  // namespace

int compareVersionNumbers(const std::string& a, const std::string& b) {
    return compareWhole(parse(a), parse(b));
}

bool versionAcceptableByNumbers(const std::string& version, const std::string& required,
                                const std::string& minimum, const std::string& maximum) {
    return acceptable(version, required, minimum, maximum, false);
}

bool registryVersionAcceptableByNumbers(const std::string& version, const std::string& required,
                                        const std::string& minimum, const std::string& maximum) {
    return acceptable(version, required, minimum, maximum, true);
}

std::string extractVersionToken(const std::string& line) {
    std::string::size_type first = 0;
    while (first < line.size() && !isAsciiDigit(line[first])) ++first;
    std::string::size_type end = first;
    while (end < line.size() && (inTag(line[end]) || line[end] == '+')) ++end;
    return line.substr(first, end - first);
}
