// The order of jvmChoose=newest, against a model built another way: the known
// versions grouped into classes of equal versions, the classes put in order by
// insertion, and each class (the unknown ones last) written out 64-bit first,
// each part in search order. The product sorts with a comparator instead.
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "jvm/find/candidate_order.h"
#include "jvm/find/jvm_arch.h"
#include "jvm/find/search_text.h"
#include "jvm/find/version_numbers.h"

static std::vector<std::size_t> model(const std::vector<RankedJvm>& candidates) {
    std::vector<std::vector<std::size_t>> classes;  // newest first
    std::vector<std::size_t> unknown;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (candidates[i].version.empty()) {
            unknown.push_back(i);
            continue;
        }
        // Past the newer classes, then into the class of its version or a new one before the older.
        auto order = [&](std::size_t at) {
            return compareVersionNumbers(candidates[i].version, candidates[classes[at][0]].version);
        };
        std::size_t at = 0;
        while (at < classes.size() && order(at) < 0) ++at;
        if (at < classes.size() && order(at) == 0)
            classes[at].push_back(i);
        else
            classes.insert(classes.begin() + static_cast<std::ptrdiff_t>(at), {i});
    }
    classes.push_back(unknown);
    std::vector<std::size_t> result;
    for (const std::vector<std::size_t>& group : classes) {
        for (bool wide : {true, false}) {
            for (std::size_t i : group) {
                if (is64Bit(candidates[i].arch) == wide) result.push_back(i);
            }
        }
    }
    return result;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Each candidate: an architecture byte, then its version up to the next NUL.
    std::vector<RankedJvm> candidates;
    const auto parts = splitInput(data, size, 12);
    for (const std::string& part : parts) {
        if (part.empty()) continue;
        JvmArch arch = static_cast<JvmArch>(static_cast<unsigned char>(part[0]) % 4);
        candidates.push_back({part.substr(1, 12), arch});
    }
    FUZZ_CHECK(newestFirst(candidates) == model(candidates));

    // The other text rules take anything.
    const std::string all(reinterpret_cast<const char*>(data), size);
    std::string unknown;
    parseArchList(all, unknown);
    // The input exactly as long as it is: a read past its end is the sanitizer's to see.
    archOfPeHeader(reinterpret_cast<const char*>(data), size);
    peHeaderOffset(reinterpret_cast<const char*>(data), size);
    releaseJavaVersion(all);
    const std::string java = javaVersionOfKeyName(all);
    FUZZ_CHECK(java == all || java.compare(0, 6, "1.8.0_") == 0);
    binFolderHome(all);
    // Below a folder, never a part that climbs out of it again.
    FUZZ_CHECK(!isInsideFolder(all, all.substr(0, size / 2)) || all.find("\\..\\", size / 2) == std::string::npos);
    isAbsolutePath(all);
    return 0;
}
