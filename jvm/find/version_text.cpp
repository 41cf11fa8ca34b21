#include "jvm/find/version_text.h"

#include "util/text.h"

std::string extractVersion(const std::string& line) {
    std::string::size_type first = 0;
    while (first < line.size() && !isAsciiDigit(line[first])) ++first;
    if (first == line.size()) return std::string();
    std::string::size_type last = line.size() - 1;
    while (!isAsciiDigit(line[last])) --last;
    return line.substr(first, last - first + 1);
}

int compareCut(const std::string& version, const std::string& bound) {
    return compareIgnoringCase(version.substr(0, bound.size()), bound);
}

bool versionAcceptable(const std::string& version, const std::string& required,
                       const std::string& minimum, const std::string& maximum) {
    if (!required.empty()) return compareCut(version, required) == 0;
    if (compareCut(version, minimum) < 0) return false;
    if (!maximum.empty() && compareCut(version, maximum) > 0) return false;
    return true;
}

const char* spawnErrorText(int error) {
    switch (error) {
    case 2: return "File or path is not found";
    case 7: return "Argument list exceeds 1024 bytes";
    case 8: return "Specified file is not executable or has invalid executable-file format";
    case 12: return "Not enough memory is available to execute new process";
    case 22: return "Mode argument is invalid";
    default: return "Unknown error";
    }
}
