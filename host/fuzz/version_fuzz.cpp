// Versions: the test class's line, the comparison with the bounds, the split
// into main and last part, and the Java home of an executable's path.
#include <string>

#include "fuzz_input.h"
#include "jvm/find/version_text.h"
#include "util/version.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

void checkCompare(const std::string& version, const std::string& bound) {
    const int order = compareCut(version, bound);
    FUZZ_CHECK(order >= -1 && order <= 1);
    // A bound acts as a prefix: what differs within it decides both ways.
    if (version.size() >= bound.size() && order != 0) FUZZ_CHECK(compareCut(bound, version) == -order);
    FUZZ_CHECK(compareCut(version, version) == 0);
}

void checkParse(const std::string& version) {
    std::string mainPart, lastPart;
    parseVersion(version, mainPart, lastPart);
    std::size_t dots = 0;
    for (char c : version) dots += c == '.';
    if (dots < 2) {
        FUZZ_CHECK(mainPart == version && lastPart == "0");
    } else {
        FUZZ_CHECK(mainPart + "." + lastPart == version);
        FUZZ_CHECK(lastPart.find('.') == std::string::npos);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 4);
    const std::string& line = parts[0];

    const std::string version = extractVersion(line);
    if (line.find_first_of("0123456789") == std::string::npos) {
        FUZZ_CHECK(version.empty());
    } else {
        FUZZ_CHECK(isDigit(version.front()) && isDigit(version.back()));
        FUZZ_CHECK(line.find(version) == line.find_first_of("0123456789"));
    }

    const std::string& required = parts[1];
    const std::string& minimum = parts[2];
    const std::string& maximum = parts[3];
    const bool accepted = versionAcceptable(version, required, minimum, maximum);
    if (required.empty() && minimum.empty() && maximum.empty()) FUZZ_CHECK(accepted);
    if (!version.empty()) FUZZ_CHECK(versionAcceptable(version, version, minimum, maximum));
    FUZZ_CHECK(versionAcceptable(version, "", version, version));
    for (const std::string& bound : {required, minimum, maximum}) checkCompare(version, bound);
    checkCompare(line, required);

    checkParse(version);
    checkParse(line);

    const std::string home = getJavaHomeDirectory(line);
    FUZZ_CHECK(startsWith(line, home));
    if (line.find('\\') == std::string::npos) {
        FUZZ_CHECK(home == line);
    } else {
        FUZZ_CHECK(home.size() < line.size());
    }
    FUZZ_CHECK(spawnErrorText(size > 0 ? data[0] : 0) != nullptr);
    return 0;
}
