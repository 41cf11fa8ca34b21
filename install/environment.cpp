// The run's environment: the trace log, the Windows family and the Windows
// directory, which the installation calls the home directory.
#include <windows.h>

#include <cstdio>

#include "install/install.h"
#include "jvm/find/win_version.h"
#include "util/file_utils.h"
#include "util/registry.h"
#include "util/unique_file.h"

namespace {

const char kTraceLog[] = "jinstall.log";
const unsigned kHomeDirectoryLimit = 5000;

struct HomeSource {
    const char* key;
    const char* value;
    const char* trace;  // null: succeeds silently
};

const char kNtCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

const HomeSource kNtSources[] = {
    {kNtCurrentVersion, "SystemRoot", "got home directory from SystemRoot"},
    {kNtCurrentVersion, "PathName", "got home directory from PathName"},
    {kNtCurrentVersion, "WinDir", "got home directory from WinDir"},
    {"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SETUP", "WinDir",
     "got home directory from Setup WinDir"},
};
const HomeSource kNineXSources[] = {
    {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SETUP", "WinDir", nullptr},
};

void createEmptyFile(const char* name) {
    UniqueFile file = openFile(name, "at");
}

}  // namespace

int Install::getEnvironmentSetup() {
    // jinstall.sem records that this run created the log, so that it can be removed again.
    if (!fileExists(kTraceLog)) {
        createEmptyFile(kTraceLog);
        createEmptyFile("jinstall.sem");
    }
    getWinEnvironmentSetup();
    getHomeDirectory();
    return 1;
}

int Install::getWinEnvironmentSetup() {
    WinVersion version;
    isWindowsNT = version.winNT();
    return 1;
}

int Install::getHomeDirectory() {
    homeDirectory.clear();
    auto tryRegistry = [this](const HomeSource& source) {
        std::string value;
        if (!readRegistryText(HKEY_LOCAL_MACHINE, source.key, source.value, kHomeDirectoryLimit, value) ||
            value.empty()) {
            return false;
        }
        homeDirectory = value;
        if (source.trace) traceMessage(kTraceLog, source.trace);
        return true;
    };
    if (isWindowsNT) {
        for (const HomeSource& source : kNtSources) {
            if (tryRegistry(source)) return 1;
        }
    } else {
        for (const HomeSource& source : kNineXSources) {
            if (tryRegistry(source)) return 1;
        }
    }
    traceMessage(kTraceLog, "unable to get windows directory from registry");

    std::string name = isWindowsNT ? "winnt" : "windows";
    if (int found = isDirInPath(name, homeDirectory)) return found;

    const char* fixed = isWindowsNT ? "c:\\winnt" : "c:\\windows";
    if (fileExists(fixed)) {
        homeDirectory = fixed;
        return 1;
    }
    homeDirectory = getCurrentDir();
    traceMessage(kTraceLog, "unable to get windows directory");
    return homeDirectory.empty() ? 0 : 1;
}

int Install::isDirInPath(std::string& directoryName, std::string& result) {
    return findExistingPathEntry(getPathPtr(), directoryName, result);
}
