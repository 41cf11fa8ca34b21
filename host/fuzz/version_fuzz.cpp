// Versions: the test class's line, the comparison with the bounds, the split
// into main and last part, and the Java home of an executable's path.
#include <algorithm>
#include <string>

#include "fuzz_input.h"
#include "jvm/find/version_text.h"
#include "util/version.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 4);
    const std::string& line = parts[0];

    const std::string version = extractVersion(line);
    const std::size_t digit = line.find_first_of("0123456789");
    FUZZ_CHECK(digit == std::string::npos ? version.empty() : line.find(version) == digit);

    // A bound acts as a prefix: what differs within it decides both ways.
    for (const std::string& bound : {parts[1], parts[2], parts[3]}) {
        const int order = compareCut(version, bound);
        if (version.size() >= bound.size() && order != 0) FUZZ_CHECK(compareCut(bound, version) == -order);
    }
    const bool accepted = versionAcceptable(version, parts[1], parts[2], parts[3]);
    if (parts[1].empty() && parts[2].empty() && parts[3].empty()) FUZZ_CHECK(accepted);
    FUZZ_CHECK(versionAcceptable(version, "", version, version));

    FUZZ_CHECK(beginsWith(line, getJavaHomeDirectory(line).c_str()));

    // With two dots or more the version splits at its last dot; with fewer the last part is "0".
    std::string mainPart, lastPart;
    parseVersion(line, mainPart, lastPart);
    if (std::count(line.begin(), line.end(), '.') < 2) {
        FUZZ_CHECK(mainPart == line && lastPart == "0");
    } else {
        FUZZ_CHECK(mainPart + "." + lastPart == line && lastPart.find('.') == std::string::npos);
    }
    return 0;
}
