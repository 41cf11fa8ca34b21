// Which way a missing JVM is installed, the command that is run for it, and
// the final version test.
#include "jvm/setup/install_jvm.h"

#include <windows.h>
#include <direct.h>

#include <cstdio>
#include <vector>

#include "control/control_text.h"
#include "control/first_key_line.h"
#include "exec/exec_command.h"
#include "jvm/find/find_jvm.h"
#include "jvm/find/jvm_ok.h"
#include "jvm/setup/installer_arguments.h"
#include "util/file_utils.h"
#include "util/quoting.h"
#include "util/run_files.h"
#include "util/text.h"
#include "util/version.h"

namespace {

const unsigned kPathLimit = 5000;

std::string pathApi(DWORD (WINAPI *api)(LPCSTR, LPSTR, DWORD), const std::string& path) {
    std::vector<char> buffer(kPathLimit + 1, '\0');
    DWORD length = api(path.c_str(), buffer.data(), kPathLimit);
    if (length == 0 || length > kPathLimit) return std::string();
    return std::string(buffer.data(), length);
}

DWORD WINAPI fullPathName(LPCSTR path, LPSTR buffer, DWORD size) {
    return GetFullPathNameA(path, size, buffer, nullptr);
}

}  // namespace

int InstallJvm::installJvm(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                           const std::string& jvmMaxVersion, const std::string& jvmVersion,
                           const std::string& jvmName, std::string& jvmCommandName,
                           const std::string& jvmSelfExtractor, std::string& predefinedJvmInstallDir,
                           std::string& jvmHomeDir, std::string& jvmPath,
                           const std::string& windowsDirectory) {
    std::string jvmDirectory;
    showStatus(1);
    int result = thirdPartyInstaller()
                     ? installThirdPartyJvm(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, jvmVersion,
                                            jvmName, jvmCommandName, jvmSelfExtractor,
                                            predefinedJvmInstallDir, jvmHomeDir, jvmPath,
                                            windowsDirectory, jvmDirectory)
                     : installCompressedJvm(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, jvmVersion,
                                            jvmName, jvmCommandName, jvmSelfExtractor,
                                            predefinedJvmInstallDir, jvmHomeDir, jvmPath,
                                            windowsDirectory, jvmDirectory);
    if (result) {
        JvmOk check;
        check.setHwnd(hwnd);
        result = check.jvmCorrectVersion(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, jvmDirectory,
                                         jvmCommandName, jvmPath);
    }
    if (result && !existingJvmFound) newJvmInstalled = 1;
    traceMessage(kTraceLog, "installJvm ok", result);
    return result;
}

int InstallJvm::thirdPartyInstaller() {
    std::string value;
    bool found = false;
    if (!readFirstKeyLine(kControlFile, kWizardSemaphore, "jvmThirdPartyInstaller", value, found)) {
        traceMessage(kTraceLog, "unable to open kiv.control file", "defaulting to uncompressing JVM");
        return 0;
    }
    return found && isFlagTrue(value) ? 1 : 0;
}

int InstallJvm::getJvmInstallerCommand(const std::string& installerFilename, std::string& command) {
    command = getCurrentDir() + "\\" + afterLastSlash(installerFilename);
    if (command.find(' ') != std::string::npos) {
        std::string shortPath = pathApi(GetShortPathNameA, command);
        if (!shortPath.empty()) {
            command = shortPath;
            if (command.find(' ') != std::string::npos) {
                std::string fullPath = pathApi(fullPathName, command);
                if (!fullPath.empty()) command = fullPath;
            }
        }
    }
    int result = fileExists(command);
    if (!result) traceMessage(kTraceLog, "Compressed JVM does *not* exist: ", command);
    command = quoteProgramIfBlank(command);
    return result;
}

int InstallJvm::installThirdPartyJvm(const std::string& jvmRequiredVersion,
                                     const std::string& jvmMinVersion, const std::string& jvmMaxVersion,
                                     const std::string&, const std::string& jvmName,
                                     std::string& jvmCommandName, const std::string& jvmSelfExtractor,
                                     std::string& predefinedJvmInstallDir, std::string& jvmHomeDir,
                                     std::string& jvmPath, const std::string& windowsDirectory,
                                     std::string& jvmDirectory) {
    showStatus(1);
    std::string command;
    std::vector<std::string> arguments;
    int ran = 0;
    if (getJvmInstallerCommand(jvmSelfExtractor, command) &&
        vendorInstallerArguments(predefinedJvmInstallDir, arguments)) {
        ExecCommand exec;
        traceMessage(kTraceLog, "about to run 3rd party installer for JVM:", command);
        ran = exec.execCommand(command, arguments);
    }
    int result = 0;
    if (!ran) {
        traceMessage(kTraceLog, "unable to install JVM from:", command);
    } else {
        traceMessage(kTraceLog, "issued command to install JVM:", command);
        result = searchForJvm(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, jvmName, jvmCommandName,
                              jvmPath, windowsDirectory);
        if (result) {
            // The vendor chose the place: no predefined directory is recorded for the wizard.
            predefinedJvmInstallDir.clear();
            jvmHomeDir.clear();
            jvmDirectory = getJavaHomeDirectory(jvmPath);
        }
    }
    traceMessage(kTraceLog, "installThirdPartyJvm ok", result);
    return result;
}

int InstallJvm::searchForJvm(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                             const std::string& jvmMaxVersion, const std::string& jvmName,
                             std::string& jvmCommandName, std::string& jvmPath,
                             const std::string& windowsDirectory) {
    showStatus("Searching for JVM again", 1);
    FindJvm search;
    search.setHwnd(hwnd);
    int found = search.isJvmInstalled(windowsDirectory, jvmRequiredVersion, jvmMinVersion, jvmMaxVersion,
                                      jvmName, jvmCommandName, jvmPath, "yes");
    if (found) {
        traceMessage(kTraceLog, "Found correct version of JVM:", jvmPath);
    } else {
        traceMessage(kTraceLog, "Correct version of JVM was not found in common locations");
    }
    return found;
}

int InstallJvm::installCompressedJvm(const std::string& jvmRequiredVersion,
                                     const std::string& jvmMinVersion, const std::string& jvmMaxVersion,
                                     const std::string& jvmVersion, const std::string& jvmName,
                                     std::string& jvmCommandName, const std::string& jvmSelfExtractor,
                                     std::string& predefinedJvmInstallDir, std::string& jvmHomeDir,
                                     std::string& jvmPath, const std::string& windowsDirectory,
                                     std::string& jvmDirectory) {
    showStatus(1);
    windowsDir = windowsDirectory;
    int result = createJvmDirectory(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, jvmVersion, jvmName,
                                    jvmCommandName, predefinedJvmInstallDir, jvmDirectory, jvmPath,
                                    existingJvmFound);
    // A directory made under the current one is recorded as an absolute path:
    // the registry and the wizard must find it from anywhere.
    if (result) jvmDirectory = fullPath(jvmDirectory);
    traceMessage(kTraceLog, "found existing jvm directory", existingJvmFound);
    if (result && !existingJvmFound) result = extractJvm(jvmSelfExtractor, jvmDirectory);
    if (result && !jvmHomeDir.empty()) {
        if (jvmHomeDir.compare(0, 2, "./") == 0) {
            jvmDirectory += jvmHomeDir.substr(1);
        } else {
            jvmDirectory = jvmHomeDir;
        }
        for (char& c : jvmDirectory) {
            if (c == '/') c = '\\';
        }
        traceMessage(kTraceLog, "final jvm install directory:", jvmDirectory);
    }
    if (result) {
        // A JVM inside the application's own directory is neither registered nor copied.
        int configureWindows = predefinedJvmInstallDir.find("[$AppDir]") == std::string::npos ? 1 : 0;
        result = configureJvm(jvmVersion, jvmName, jvmCommandName, jvmDirectory, windowsDirectory,
                              configureWindows);
    }
    traceMessage(kTraceLog, "installCompressedJvm ok", result);
    return result;
}

// Runs the self-extractor inside the JVM directory. Its messages keep going to
// the installation directory's logs through absolute paths while the working
// directory is changed, and the working directory is always changed back.
int InstallJvm::extractJvm(const std::string& jvmSelfExtractor, const std::string& jvmDirectory) {
    ExecCommand exec;
    traceMessage(kTraceLog, "installing jvm in", jvmDirectory);
    std::string saved = getCurrentDir();
    traceMessage(kTraceLog, "current directory", saved);
    std::string traceLog = saved + "\\" + kTraceLog;
    exec.setErrorsFilename(saved + "\\" + kErrorsLog);
    exec.setTraceFilename(traceLog);

    std::string command;
    int ran = 0;
    if (getJvmInstallerCommand(jvmSelfExtractor, command)) {
        _chdir(jvmDirectory.c_str());
        traceMessage(traceLog.c_str(), "current directory after chdir: ", getCurrentDir());
        ran = exec.execCommand(command, installerArguments(jvmInstallerArguments, jvmDirectory));
    }
    _chdir(saved.c_str());
    traceMessage(traceLog.c_str(), "current directory after chdir: ", getCurrentDir());
    if (ran) {
        traceMessage(traceLog.c_str(), "issued command to expand:", command);
    } else {
        traceMessage(traceLog.c_str(), "unable to expand", command);
    }
    if (fileExists("__temp.log")) std::remove("__temp.log");
    return ran;
}

int InstallJvm::vendorInstallerArguments(const std::string& predefinedJvmInstallDir,
                                         std::vector<std::string>& arguments) {
    std::string directory;
    if (jvmInstallerArguments.find(kJvmDirVariable) != std::string::npos) {
        if (predefinedJvmInstallDir.empty() || !getNewInstallJvmTo(predefinedJvmInstallDir, directory) ||
            directory.empty()) {
            traceMessage(kTraceLog, "jvmInstallerArguments names [$JvmDir], but predefinedJvmInstallDir names no "
                                    "directory for the vendor installer");
            return 0;
        }
        directory = fullPath(directory);
    }
    arguments = installerArguments(jvmInstallerArguments, directory);
    return 1;
}
