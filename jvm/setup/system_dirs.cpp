// The Program Files and Windows directories, where a carried JVM is placed.
#include <windows.h>

#include "jvm/find/win_version.h"
#include "jvm/setup/install_jvm.h"
#include "util/file_utils.h"
#include "util/windows_directory.h"

int InstallJvm::isWinNT() {
    return isWinNTVersion(GetVersion());
}

int InstallJvm::getProgramFilesDirectory(std::string& result) {
    if (findProgramFilesDirectory(0, result)) return 1;
    traceMessage(kTraceLog, "Unable to find Program Files directory in registry");
    return 0;
}

int InstallJvm::getWindowsDirectory(std::string& result) {
    return findWindowsDirectory(isWinNT(), NineXKeyOnNt::kAsked, result);
}

int InstallJvm::isDirInPath(std::string& directoryName, std::string& result) {
    return findDirInPath(directoryName, result);
}
