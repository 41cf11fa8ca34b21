#include "jvm/find/find_jvm.h"

#include "jvm/find/jvm_win.h"

int FindJvm::isJvmInstalled(const std::string& windowsDirectory, const std::string& jvmRequiredVersion,
                            const std::string& jvmMinVersion, const std::string& jvmMaxVersion,
                            const std::string& jvmName, std::string& jvmCommandName,
                            std::string& jvmPath, const std::string&) {
    std::string entryName = jvmCommandName;
    int result;
    {
        JvmWin search;
        search.setHwnd(window_);
        result = search.searchWindowsForJvm(windowsDirectory, jvmRequiredVersion, jvmMinVersion,
                                            jvmMaxVersion, jvmName, jvmCommandName, jvmPath);
    }
    if (!result) jvmCommandName = entryName;
    return result;
}
