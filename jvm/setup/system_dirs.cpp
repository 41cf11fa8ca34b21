// The Program Files and Windows directories, where a carried JVM is placed.
#include <windows.h>

#include "jvm/find/win_version.h"
#include "jvm/setup/install_jvm.h"
#include "util/file_utils.h"
#include "util/registry.h"
#include "util/win_handles.h"
#include "util/windows_directory.h"

int InstallJvm::isWinNT() {
    return isWinNTVersion(GetVersion());
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
        found = readRegistryValue(key.get(), "ProgramFilesDir", kRegistryTextLimit, answer) &&
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
    return findWindowsDirectory(isWinNT(), NineXKeyOnNt::kAsked, result);
}

int InstallJvm::isDirInPath(std::string& directoryName, std::string& result) {
    return findDirInPath(directoryName, result);
}
