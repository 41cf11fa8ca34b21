#include "jvm/find/jvm_win.h"

#include <windows.h>
#include <string.h>

#include <vector>

#include "control/control_text.h"
#include "jvm/find/jvm_home.h"
#include "jvm/find/jvm_ok.h"
#include "jvm/find/modern_search.h"
#include "util/registry.h"
#include "util/version.h"
#include "util/win_handles.h"

const char kJreKey[] = "SOFTWARE\\JavaSoft\\Java Runtime Environment";
const char kJdkKey[] = "SOFTWARE\\JavaSoft\\Java Development Kit";
const char kPluginKey[] = "SOFTWARE\\JavaSoft\\Java Plug-in";

namespace {

const unsigned kValueLimit = 5000;
const DWORD kNameLimit = 5000;

}  // namespace

int JvmWin::searchWindowsForJvm(const std::string& windowsDirectory, const std::string& required,
                                const std::string& minimum, const std::string& maximum,
                                const std::string& jvmName, std::string& jvmCommandName,
                                std::string& jvmPath) {
    const std::string entryName = jvmCommandName;
    progress_.showStatus(1);
    int result = 0;
    if (!isPluginMode(jvmName)) {
        jvmCommandName = entryName;
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
        result = modern.search(required, minimum, maximum, jvmCommandName, jvmPath, tested_);
    }
    return result;
}

int JvmWin::searchRegistryForJvm(const std::string& productKey, const std::string& required,
                                 const std::string& minimum, const std::string& maximum,
                                 const std::string&, std::string& jvmCommandName,
                                 std::string& jvmPath, const std::string&) {
    int result = 0;
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, productKey.c_str(), 0, KEY_READ, key.put()) == ERROR_SUCCESS) {
        traceMessage(kTraceLog, "searching registry entry", productKey);
        std::vector<char> name(kNameLimit);
        // Enumeration order decides: the first acceptable version wins, not the newest.
        for (DWORD index = 0; !result; ++index) {
            DWORD length = kNameLimit;
            if (RegEnumKeyExA(key.get(), index, name.data(), &length, nullptr, nullptr, nullptr,
                              nullptr) != ERROR_SUCCESS) {
                break;  // the end of the list, or an error that also ends it
            }
            std::string subkeyName(name.data(), length);
            traceMessage(kTraceLog, "                 version", subkeyName);
            std::string home;
            result = lookUpRegistryEntryForJvm(productKey, required, minimum, maximum, subkeyName,
                                               jvmCommandName, home, jvmPath);
        }
    }
    if (!result) traceMessage(kTraceLog, "unable to find a compatible Jvm");
    return result;
}

int JvmWin::lookUpRegistryEntryForJvm(const std::string& productKey, const std::string& required,
                                      const std::string& minimum, const std::string& maximum,
                                      std::string& subkeyName, std::string& jvmCommandName,
                                      std::string& home, std::string& jvmPath) {
    home.clear();
    std::string path = productKey + "\\" + subkeyName;
    {
        UniqueRegKey key;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, key.put()) !=
            ERROR_SUCCESS) {
            traceMessage(kTraceLog, "no such registry entry", path);
            return 0;
        }
        std::string micro;
        readRegistryValue(key.get(), "MicroVersion", kValueLimit, micro);
        if (!micro.empty()) {
            subkeyName += "." + micro;
        } else if (_stricmp(productKey.c_str(), kPluginKey) == 0) {
            // The plug-in's entries name no micro version: the control file's version supplies it.
            std::string mainPart, microPart;
            parseVersion(required.empty() ? minimum : required, mainPart, microPart);
            subkeyName += "." + microPart;
            traceMessage(kTraceLog, "no known minor version for", productKey);
        }
        home = readJvmHome(key.get(), {"JavaHome", "Home"}, *this);
        if (home.empty()) traceMessage(kTraceLog, "no home directory for jvm", home);
    }
    JvmOk check;
    check.setHwnd(window_);
    if (jvmSearchOptions.any()) check.setTestedJvms(&tested_);
    int result =
        check.jvmCorrectVersion(required, minimum, maximum, subkeyName, home, jvmCommandName, jvmPath);
    check.traceCandidate("HKLM\\" + path, home);
    return result;
}
