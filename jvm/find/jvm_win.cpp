#include "jvm/find/jvm_win.h"

#include <windows.h>

#include <vector>

#include "control/control_text.h"
#include "jvm/find/candidate_order.h"
#include "jvm/find/jvm_arch.h"
#include "jvm/find/jvm_candidate.h"
#include "jvm/find/modern_search.h"
#include "jvm/find/search_text.h"
#include "util/file_utils.h"
#include "util/text.h"
#include "util/unique_file.h"
#include "util/version.h"
#include "util/win_handles.h"

const char kJreKey[] = "SOFTWARE\\JavaSoft\\Java Runtime Environment";
const char kJdkKey[] = "SOFTWARE\\JavaSoft\\Java Development Kit";
const char kPluginKey[] = "SOFTWARE\\JavaSoft\\Java Plug-in";

namespace {

const DWORD kNameLimit = 5000;
const std::size_t kReleaseFileLimit = 65536;

// Offers each version subkey of a product key to `visit`, in the registry's
// enumeration order, until it answers true. False when the key cannot be opened.
template <typename Visit>
bool eachVersionSubkey(Trace& trace, const std::string& productKey, Visit visit) {
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, productKey.c_str(), 0, KEY_READ, key.put()) != ERROR_SUCCESS) {
        return false;
    }
    trace.traceMessage(kTraceLog, "searching registry entry", productKey);
    std::vector<char> name(kNameLimit);
    for (DWORD index = 0;; ++index) {
        DWORD length = kNameLimit;
        if (RegEnumKeyExA(key.get(), index, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            return true;  // the end of the list, or an error that also ends it
        }
        std::string subkeyName(name.data(), length);
        trace.traceMessage(kTraceLog, "                 version", subkeyName);
        if (visit(subkeyName)) return true;
    }
}

// The version a home's release file gives, for a candidate whose key names none.
std::string releaseVersion(const std::string& home) {
    UniqueFile file = openFile((home + "\\release").c_str(), "rb");
    if (!file) return std::string();
    std::string content(kReleaseFileLimit, '\0');
    content.resize(std::fread(&content[0], 1, content.size(), file.get()));
    return releaseJavaVersion(content);
}

// What a candidate is ranked by: the version its key names, else its home's
// release file; the architecture of the program the test would run.
RankedJvm rankOf(const JvmCandidate& candidate, const std::string& jvmCommandName) {
    std::string version = candidate.keyVersion.empty() ? releaseVersion(candidate.home) : candidate.keyVersion;
    std::string program = candidate.home.empty() ? std::string() : executableBelow(candidate.home, jvmCommandName);
    return {version, program.empty() ? JvmArch::unknown : archOfProgram(program)};
}

// The first candidate of each home; those of other homes keep their order.
std::vector<JvmCandidate> oneForEachHome(const std::vector<JvmCandidate>& candidates) {
    std::vector<JvmCandidate> kept;
    for (const JvmCandidate& candidate : candidates) {
        bool seen = false;
        for (const JvmCandidate& earlier : kept) {
            if (equalsIgnoringCase(earlier.home, candidate.home)) seen = true;
        }
        if (!seen) kept.push_back(candidate);
    }
    return kept;
}

}  // namespace

int JvmWin::searchWindowsForJvm(const std::string& windowsDirectory, const std::string& required,
                                const std::string& minimum, const std::string& maximum,
                                const std::string& jvmName, std::string& jvmCommandName,
                                std::string& jvmPath) {
    if (jvmSearchOptions.chooseNewest) return chooseNewest({required, minimum, maximum}, jvmName, jvmCommandName, jvmPath);
    const std::string entryName = jvmCommandName;
    progress_.showStatus(1);
    int result = 0;
    if (!isPluginMode(jvmName)) {
        result = searchRegistryForJvm(kJreKey, required, minimum, maximum, jvmName, jvmCommandName,
                                      jvmPath, windowsDirectory);
        traceMessage(kTraceLog, "JRE registry entry had correct jvm info", result);
        if (result) return result;
        progress_.showStatus(1);
        jvmCommandName = entryName;
        result = searchRegistryForJvm(kJdkKey, required, minimum, maximum, jvmName, jvmCommandName,
                                      jvmPath, windowsDirectory);
        traceMessage(kTraceLog, "JDK registry entry had correct jvm info", result);
    }
    if (!result) {
        progress_.showStatus(1);
        jvmCommandName = entryName;
        result = searchRegistryForJvm(kPluginKey, required, minimum, maximum, jvmName, jvmCommandName,
                                      jvmPath, windowsDirectory);
        traceMessage(kTraceLog, "Java Plugin registry entry had correct jvm info", result);
        if (!result) jvmCommandName = entryName;
    }
    // Opt-in: today's JVMs; in plug-in mode only the plug-in's own key counts.
    if (!result && jvmSearchOptions.modernSearch && !isPluginMode(jvmName)) {
        ModernJvmSearch modern;
        modern.setHwnd(window_);
        result = modern.search({required, minimum, maximum}, jvmCommandName, jvmPath, tested_);
    }
    return result;
}

int JvmWin::searchRegistryForJvm(const std::string& productKey, const std::string& required,
                                 const std::string& minimum, const std::string& maximum,
                                 const std::string&, std::string& jvmCommandName,
                                 std::string& jvmPath, const std::string&) {
    int result = 0;
    // Enumeration order decides: the first acceptable version wins, not the newest.
    eachVersionSubkey(*this, productKey, [&](std::string subkeyName) {
        std::string home;
        result = lookUpRegistryEntryForJvm(productKey, required, minimum, maximum, subkeyName, jvmCommandName,
                                           home, jvmPath);
        return result != 0;
    });
    if (!result) traceMessage(kTraceLog, "unable to find a compatible Jvm");
    return result;
}

int JvmWin::lookUpRegistryEntryForJvm(const std::string& productKey, const std::string& required,
                                      const std::string& minimum, const std::string& maximum,
                                      std::string& subkeyName, std::string& jvmCommandName,
                                      std::string& home, std::string& jvmPath) {
    if (!readEntry(productKey, required, minimum, subkeyName, home)) return 0;
    JvmOk check;
    check.setHwnd(window_);
    if (jvmSearchOptions.any()) check.setTestedJvms(&tested_);
    int result =
        check.jvmCorrectVersion(required, minimum, maximum, subkeyName, home, jvmCommandName, jvmPath);
    check.traceCandidate("HKLM\\" + productKey + "\\" + entryName_, home);
    return result;
}

bool JvmWin::readEntry(const std::string& productKey, const std::string& required, const std::string& minimum,
                       std::string& subkeyName, std::string& home) {
    home.clear();
    entryName_ = subkeyName;
    std::string path = productKey + "\\" + subkeyName;
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
        traceMessage(kTraceLog, "no such registry entry", path);
        return false;
    }
    VersionEntry entry = readVersionEntry(key.get(), subkeyName, {"JavaHome", "Home"}, *this);
    subkeyName = entry.version;
    if (entry.micro.empty() && equalsIgnoringCase(productKey, kPluginKey)) {
        // The plug-in's entries name no micro version: the control file's version supplies it.
        std::string mainPart, microPart;
        parseVersion(required.empty() ? minimum : required, mainPart, microPart);
        subkeyName += "." + microPart;
        traceMessage(kTraceLog, "no known minor version for", productKey);
    }
    home = entry.home;
    if (home.empty()) traceMessage(kTraceLog, "no home directory for jvm", home);
    return true;
}

int JvmWin::chooseNewest(const JvmBounds& bounds, const std::string& jvmName, std::string& jvmCommandName,
                         std::string& jvmPath) {
    const std::string entryName = jvmCommandName;
    const std::vector<JvmCandidate> candidates = oneForEachHome(gatherCandidates(bounds, jvmName, entryName));
    std::vector<RankedJvm> ranked;
    for (const JvmCandidate& candidate : candidates) ranked.push_back(rankOf(candidate, entryName));
    const std::vector<std::size_t> order = newestFirst(ranked);
    traceMessage(kTraceLog, "jvm candidates, tested newest first:", std::to_string(candidates.size()));
    for (std::size_t index : order) {
        const std::string& version = ranked[index].version;
        traceMessage(kTraceLog, "jvm candidate ranked by version " + (version.empty() ? "(unknown)" : version) +
                                    ", " + archName(ranked[index].arch) + ":", candidates[index].source);
    }
    for (std::size_t index : order) {
        jvmCommandName = entryName;
        if (testCandidate(candidates[index], bounds, window_, tested_, jvmCommandName, jvmPath)) return 1;
    }
    jvmCommandName = entryName;
    return 0;
}

std::vector<JvmCandidate> JvmWin::gatherCandidates(const JvmBounds& bounds, const std::string& jvmName,
                                                   const std::string& jvmCommandName) {
    std::vector<JvmCandidate> gathered;
    const bool plugin = isPluginMode(jvmName) != 0;
    std::vector<const char*> productKeys = {kJreKey, kJdkKey, kPluginKey};
    if (plugin) productKeys = {kPluginKey};
    for (const char* productKey : productKeys) {
        eachVersionSubkey(*this, productKey, [&](std::string subkeyName) {
            JvmCandidate candidate;
            candidate.source = "HKLM\\" + std::string(productKey) + "\\" + subkeyName;
            if (readEntry(productKey, bounds.required, bounds.minimum, subkeyName, candidate.home)) {
                candidate.hasRegistryVersion = true;
                candidate.registryVersion = subkeyName;
                candidate.keyVersion = subkeyName;
                gathered.push_back(candidate);
            }
            return false;
        });
    }
    if (jvmSearchOptions.modernSearch && !plugin) {
        ModernJvmSearch modern;
        modern.setHwnd(window_);
        modern.gather(jvmCommandName, gathered);
    }
    return gathered;
}
