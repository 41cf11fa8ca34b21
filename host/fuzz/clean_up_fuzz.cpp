// The clean-up's texts: manifest lines and how they are read, the names and
// paths it may delete, and native.properties written and read back.
#include <string>

#include "fuzz_input.h"
#include "install/clean_up_text.h"
#include "install/native_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 3);
    readAllLines(parts[0], 8, LongLine::kRestDropped);
    std::string name;
    manifestName(parts[0], name);
    // Whatever a name holds, climbing one level more than it descends leaves the installation.
    for (const std::string& each : {parts[0], parts[1]}) {
        FUZZ_CHECK(!staysInside("..\\" + each) && !staysInside("../" + each));
        if (staysInside(each)) FUZZ_CHECK(each.find(':') == std::string::npos && staysInside("sub\\" + each));
    }
    isWithin(parts[1], parts[2]);
    isRootPath(parts[1]);
    readBackPropertiesLine(parts[0]);
    nativePropertiesText(size & 1, parts[1], parts[2], size & 2);
    return 0;
}
