// The clean-up's texts: manifest lines and how they are read, the names and
// paths it may delete, and native.properties written and read back.
#include <string>

#include "fuzz_input.h"
#include "install/clean_up_text.h"
#include "install/native_properties.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 3);
    const std::string& line = parts[0];
    const std::string& path = parts[1];
    const std::string& directory = parts[2];

    // A name is never a tail of a long line: the manifest is read with the rest dropped.
    FUZZ_CHECK(readAllLines(line, 8, LongLine::kRestDropped) == modelLines(line, 8, LongLine::kRestDropped));
    std::string name;
    if (manifestName(line, name)) FUZZ_CHECK(beginsWith(line, ("Name: " + name).c_str()));

    // Whatever a name holds, climbing out of a subdirectory by one level more leaves.
    for (const std::string& each : {line, path}) {
        FUZZ_CHECK(!staysInside("..\\" + each) && !staysInside("../" + each));
        if (staysInside(each)) {
            FUZZ_CHECK(each.find(':') == std::string::npos && each[0] != '\\' && each[0] != '/');
            FUZZ_CHECK(staysInside("sub\\" + each));
        }
    }
    FUZZ_CHECK(isWithin(path, path) == !path.empty());
    if (!directory.empty()) FUZZ_CHECK(isWithin(directory + "\\" + path, directory));
    if (!path.empty()) FUZZ_CHECK(isRootPath(path.substr(0, 1) + ":\\"));
    FUZZ_CHECK(isRootPath(path + "\\") == isRootPath(path));

    FUZZ_CHECK(readBackPropertiesLine(line).find('/') == std::string::npos);
    nativePropertiesText(size & 1, path, directory, size & 2);
    return 0;
}
