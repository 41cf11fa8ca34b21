// The run's environment: the trace log, the Windows family and the Windows
// directory, which the installation calls the home directory.
#include <cstdio>

#include "install/install.h"
#include "jvm/find/win_version.h"
#include "launcher_version.h"
#include "util/file_utils.h"
#include "util/run_files.h"
#include "util/unique_file.h"
#include "util/windows_directory.h"

namespace {

void createEmptyFile(const char* name) {
    UniqueFile file = openFile(name, "at");
}

}  // namespace

int Install::getEnvironmentSetup() {
    // jinstall.sem records that this run created the log, so that it can be removed again.
    if (!fileExists(kTraceLog)) {
        createEmptyFile(kTraceLog);
        createEmptyFile(kTraceMarker);
        traceVersion();
    }
    getWinEnvironmentSetup();
    getHomeDirectory();
    return 1;
}

// So that a log sent with a support request names the build.
void Install::traceVersion() {
    traceMessage(kTraceLog, LAUNCHER_PRODUCT " version " LAUNCHER_VERSION_TEXT);
}

int Install::getWinEnvironmentSetup() {
    WinVersion version;
    isWindowsNT = version.winNT();
    return 1;
}

int Install::getHomeDirectory() {
    const WindowsDirSource* source = nullptr;
    int found = findWindowsDirectory(isWindowsNT, NineXKeyOnNt::kNotAsked, homeDirectory, &source);
    if (source != nullptr) {
        if (source->name != nullptr) traceMessage(kTraceLog, "got home directory from", source->name);
        return 1;
    }
    traceMessage(kTraceLog, "unable to get windows directory from registry");
    if (found) return 1;
    // The home directory is never left empty: the current directory stands in.
    homeDirectory = getCurrentDir();
    traceMessage(kTraceLog, "unable to get windows directory");
    return homeDirectory.empty() ? 0 : 1;
}

int Install::isDirInPath(std::string& directoryName, std::string& result) {
    return findDirInPath(directoryName, result);
}
