// Search paths: the look-up of the Windows directory in PATH, the PATH entries
// tried for a JVM directory, and a predefined directory's variable.
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "jvm/setup/variable_dir.h"
#include "util/path_search.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 3);
    // Only entries that end with the name, and hold it nowhere before, are asked
    // about; the answer is the last one asked. Which exist depends on their length.
    std::vector<std::string> asked;
    auto exists = [&asked, size](const std::string& entry) {
        asked.push_back(entry);
        return (entry.size() + size) % 3 != 0;
    };
    const std::string found = findEntryEndingWith(parts[0], parts[1], exists);
    for (const std::string& entry : asked) FUZZ_CHECK(entry.find(parts[1]) == entry.size() - parts[1].size());
    FUZZ_CHECK(found.empty() || asked.back() == found);

    // Joined again, the entries lose only a final ";".
    std::string joined;
    for (const std::string& entry : splitSearchPath(parts[0])) joined += entry + ";";
    FUZZ_CHECK(joined == parts[0] + ";" || joined == parts[0] || (parts[0].empty() && joined.empty()));
    std::string result;
    resolveVariableDir(parts[1], parts[2], parts[0], result);
    return 0;
}
