#include "jvm/find/jvm_home.h"

#include <windows.h>

#include "util/ansi_path.h"
#include "util/registry.h"

namespace {

const char kUnnamedHome[] =
    "jvm home skipped: the ANSI code page cannot hold it and it has no short name:";

}  // namespace

std::string readJvmHome(RegistryKey key, const std::vector<const char*>& names, Trace& trace) {
    for (const char* name : names) {
        std::string home, unnamed;
        readRegistryPath(key, name, kRegistryTextLimit, home, unnamed);
        if (!unnamed.empty()) trace.traceMessage(kTraceLog, kUnnamedHome, unnamed);
        if (!home.empty()) return home;
    }
    return std::string();
}

bool environmentJvmHome(const char* variable, std::string& home, Trace& trace) {
    std::string unnamed;
    if (!environmentPath(variable, home, unnamed)) return false;
    if (!unnamed.empty()) trace.traceMessage(kTraceLog, kUnnamedHome, unnamed);
    return true;
}
