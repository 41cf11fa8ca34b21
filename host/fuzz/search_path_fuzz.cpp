// Search paths: the look-up of the Windows directory in PATH, the PATH entries
// tried for a JVM directory, and a predefined directory's variable.
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "jvm/setup/variable_dir.h"
#include "util/path_search.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 3);
    const std::string& path = parts[0];
    const std::string& name = parts[1];

    // Some entries exist, decided by their length so that any can be missing:
    // only entries that end with the name are asked about, and the answer is the last asked.
    std::vector<std::string> asked;
    const std::string found = findEntryEndingWith(path, name, [&asked, size](const std::string& entry) {
        asked.push_back(entry);
        return (entry.size() + size) % 3 != 0;
    });
    for (const std::string& entry : asked) {
        FUZZ_CHECK(entry.find(';') == std::string::npos && entry.find(name) == entry.size() - name.size());
    }
    FUZZ_CHECK(found.empty() || (asked.back() == found && found.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") ==
                                                             std::string::npos));

    // Only a final ";" is lost when the entries are joined again.
    std::string joined;
    for (const std::string& entry : searchPathEntries(path)) joined += entry + ";";
    FUZZ_CHECK(joined == path + ";" || joined == path || (path.empty() && joined.empty()));

    std::string result;
    if (resolveVariableDir(name, parts[2], path, result) == VariableDir::kResolved) {
        FUZZ_CHECK(beginsWith(result, (parts[2] + "\\").c_str()));
    } else {
        FUZZ_CHECK(result.empty());
    }
    return 0;
}
