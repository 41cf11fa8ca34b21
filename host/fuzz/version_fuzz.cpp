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
    versionAcceptable(version, parts[1], parts[2], parts[3]);
    // A bound acts as a prefix: what differs within it decides both ways.
    const int order = compareCut(line, parts[1]);
    if (line.size() >= parts[1].size() && order != 0) FUZZ_CHECK(compareCut(parts[1], line) == -order);

    // With two dots or more the version splits at its last dot; with fewer the last part is "0".
    std::string mainPart, lastPart;
    parseVersion(line, mainPart, lastPart);
    if (std::count(line.begin(), line.end(), '.') < 2) {
        FUZZ_CHECK(mainPart == line && lastPart == "0");
    } else {
        FUZZ_CHECK(mainPart + "." + lastPart == line && lastPart.find('.') == std::string::npos);
    }
    FUZZ_CHECK(beginsWith(line, getJavaHomeDirectory(line).c_str()));
    return 0;
}
