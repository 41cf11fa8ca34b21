// Search paths: the look-up of the Windows directory in PATH, the PATH entries
// tried for a JVM directory, and a predefined directory's variable.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "jvm/setup/variable_dir.h"
#include "util/path_search.h"

namespace {

const char* const kVariables[] = {"[$ProgFilesDir]", "[$WinDir]", "[$AppDir]"};

void checkFind(const std::string& path, const std::string& name, std::size_t salt) {
    std::vector<std::string> asked;
    // Some entries exist, decided by their length so that any can be missing.
    auto exists = [&asked, salt](const std::string& entry) {
        asked.push_back(entry);
        return (entry.size() + salt) % 3 != 0;
    };
    const std::string found = findEntryEndingWith(path, name, exists);
    const auto entries = static_cast<std::size_t>(std::count(path.begin(), path.end(), ';')) + 1;
    FUZZ_CHECK(asked.size() <= entries);
    for (const std::string& entry : asked) {
        FUZZ_CHECK(entry.find(';') == std::string::npos);
        FUZZ_CHECK(entry.find(name) == entry.size() - name.size());
    }
    if (found.empty()) return;
    FUZZ_CHECK(!asked.empty() && asked.back() == found);
    FUZZ_CHECK(found.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos);
    FUZZ_CHECK(endsWith(found, name));
}

void checkEntries(const std::string& path) {
    const std::vector<std::string> entries = searchPathEntries(path);
    std::string joined;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        FUZZ_CHECK(entries[i].find(';') == std::string::npos);
        joined += (i > 0 ? ";" : "") + entries[i];
    }
    // Only a final ";" is lost.
    FUZZ_CHECK(joined == path || joined + ";" == path);
    if (!path.empty()) FUZZ_CHECK(!entries.empty());
}

void checkVariable(const std::string& variable, const std::string& value, const std::string& target) {
    std::string result = "stale";
    const VariableDir outcome = resolveVariableDir(variable, value, target, result);
    const bool present = target.find(variable + "\\") != std::string::npos;
    FUZZ_CHECK((outcome == VariableDir::kNoVariable) == !present);
    FUZZ_CHECK((outcome == VariableDir::kVariableOnly) == (target == variable + "\\"));
    if (outcome != VariableDir::kResolved) {
        FUZZ_CHECK(result.empty());
        return;
    }
    FUZZ_CHECK(startsWith(result, value + "\\"));
    FUZZ_CHECK(endsWith(target, result.substr(value.size())));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 3);
    const std::size_t salt = size > 0 ? data[size - 1] : 0;
    checkFind(parts[0], parts[1], salt);
    checkFind(parts[0], "winnt", salt);
    checkEntries(parts[0]);
    checkVariable(kVariables[salt % 3], parts[1], parts[2]);
    checkVariable(parts[0], parts[1], parts[2]);
    return 0;
}
