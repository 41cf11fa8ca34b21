// The Program Files and Windows directories, where a carried JVM is placed.
#include <windows.h>

#include <cstdlib>

#include "jvm/setup/install_jvm.h"
#include "util/file_utils.h"
#include "util/registry.h"
#include "util/win_handles.h"

namespace {

const char kTraceLog[] = "jinstall.log";
const char kWindowsCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kNtCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const unsigned kProgramFilesLimit = 5000;
const unsigned kWindowsDirLimit = 260;  // the system's path limit

struct WindowsDirSource {
    const char* key;
    const char* value;
};

const WindowsDirSource kNtSources[] = {
    {kNtCurrentVersion, "SystemRoot"},
    {kNtCurrentVersion, "PathName"},
    {kNtCurrentVersion, "WinDir"},
    {"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SETUP", "WinDir"},
};
const WindowsDirSource kBothFamiliesSource = {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SETUP",
                                              "WinDir"};

bool readWindowsDir(const WindowsDirSource& source, std::string& result) {
    std::string value;
    if (!readRegistryText(HKEY_LOCAL_MACHINE, source.key, source.value, kWindowsDirLimit, value)) {
        return false;
    }
    if (value.empty()) return false;
    result = value;
    return true;
}

}  // namespace

int InstallJvm::isWinNT() {
    return (GetVersion() & 0x80000000UL) == 0 ? 1 : 0;
}

int InstallJvm::getProgramFilesDirectory(std::string& result) {
    result.clear();
    std::string answer;
    bool found = false;
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kWindowsCurrentVersion, 0, KEY_QUERY_VALUE, key.put()) ==
            ERROR_SUCCESS ||
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, kNtCurrentVersion, 0, KEY_QUERY_VALUE, key.put()) ==
            ERROR_SUCCESS) {
        // An opened key decides, even without the value: the fixed default is not tried then.
        found = readRegistryValue(key.get(), "ProgramFilesDir", kProgramFilesLimit, answer) &&
                !answer.empty();
    } else if (fileExists("C:\\Program Files")) {
        answer = "C:\\Program Files";
        found = true;
    }
    if (!found) {
        traceMessage(kTraceLog, "Unable to find Program Files directory in registry");
        return 0;
    }
    result = answer;
    return 1;
}

int InstallJvm::getWindowsDirectory(std::string& result) {
    result.clear();
    int nt = isWinNT();
    if (nt) {
        for (const WindowsDirSource& source : kNtSources) {
            if (readWindowsDir(source, result)) return 1;
        }
    }
    if (readWindowsDir(kBothFamiliesSource, result)) return 1;

    std::string name = nt ? "winnt" : "windows";
    if (isDirInPath(name, result)) return 1;
    const char* fixed = nt ? "c:\\winnt" : "c:\\windows";
    if (fileExists(fixed)) {
        result = fixed;
        return 1;
    }
    result.clear();
    return 0;
}

int InstallJvm::isDirInPath(std::string& directoryName, std::string& result) {
    // This one reads the variable by its lower-case name only.
    return findExistingPathEntry(std::getenv("path"), directoryName, result);
}
