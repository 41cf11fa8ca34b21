#include "jvm/find/jvm_candidate.h"

#include <windows.h>

#include "jvm/find/jvm_home.h"
#include "jvm/find/search_options.h"
#include "jvm/find/search_text.h"
#include "util/registry.h"

VersionEntry readVersionEntry(RegistryKey key, const std::string& name,
                              const std::vector<const char*>& homeValues, Trace& trace) {
    VersionEntry entry;
    entry.version = jvmSearchOptions.modernSearch ? javaVersionOfKeyName(name) : name;
    readRegistryValue(key, "MicroVersion", kRegistryTextLimit, entry.micro);
    if (!entry.micro.empty()) entry.version += "." + entry.micro;
    entry.home = readJvmHome(key, homeValues, trace);
    return entry;
}

int testCandidate(const JvmCandidate& candidate, const JvmBounds& bounds, WindowHandle window,
                  TestedJvms& tested, std::string& jvmCommandName, std::string& jvmPath) {
    JvmOk check;
    check.setHwnd(window);
    check.setTestedJvms(&tested);
    int result = 0;
    if (candidate.home.empty()) {
        check.traceMessage(kTraceLog, "no home directory for jvm", candidate.source);
    } else if (candidate.hasRegistryVersion) {
        result = check.jvmCorrectVersion(bounds.required, bounds.minimum, bounds.maximum,
                                         candidate.registryVersion, candidate.home, jvmCommandName, jvmPath);
    } else {
        result = check.jvmCorrectVersion(bounds.required, bounds.minimum, bounds.maximum, candidate.home,
                                         jvmCommandName, jvmPath);
    }
    if (!candidate.home.empty()) check.traceCandidate(candidate.source, candidate.home);
    return result;
}
