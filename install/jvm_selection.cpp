// Which JVM runs the wizard, and native.properties, which tells the wizard.
#include <cstdio>

#include "install/install.h"
#include "install/native_properties.h"
#include "jvm/find/find_jvm.h"
#include "jvm/find/jvm_candidate.h"
#include "jvm/setup/install_jvm.h"
#include "security/security.h"
#include "util/file_utils.h"
#include "util/run_files.h"
#include "util/run_state.h"
#include "util/text.h"
#include "util/unique_file.h"
#include "util/version.h"

namespace {

bool searchDisabled(const std::string& searchForJvm) {
    std::string lower = searchForJvm;
    lowerAsciiLetters(lower);
    return lower == "no" || lower == "none";
}

}  // namespace

int Install::isJvmInstalled(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                            const std::string& jvmMaxVersion, const std::string& jvmName,
                            std::string& jvmCommandName, std::string& jvmPathOut,
                            const std::string& searchForJvm) {
    if (!searchForJvm.empty() && searchDisabled(searchForJvm)) {
        traceMessage(kTraceLog, "Search for JVM:", searchForJvm);
        return 0;
    }
    FindJvm search;
    search.setHwnd(hDlgMain);
    showStatusMessage(3);
    int found = search.isJvmInstalled(homeDirectory, jvmRequiredVersion, jvmMinVersion, jvmMaxVersion,
                                      jvmName, jvmCommandName, jvmPathOut, searchForJvm);
    if (found) {
        traceMessage(kTraceLog, "Found correct version of JVM:", jvmPathOut);
        getJavaHomeDir(jvmPathOut, javaHomeDir);
        logJvmLocation(0, javaHomeDir, "", 0);
    } else {
        traceMessage(kTraceLog, "Correct version of JVM was not found in common locations");
    }
    return found;
}

int Install::installTheJvm(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                           const std::string& jvmMaxVersion, const std::string& jvmVersion,
                           const std::string& jvmName, std::string& jvmCommandName,
                           const std::string& jvmSelfExtractor, std::string& predefinedJvmInstallDir,
                           std::string& jvmHomeDir, std::string& jvmPathOut) {
    if (jvmSelfExtractor.empty()) {
        errorText = "The correct version of the " + jvmName + " was not found on your system.";
        errorDetail = "Please install " + jvmName + " " + jvmVersion +
                      " and then restart this installation program.";
        return 0;
    }
    if (!fileExists(jvmSelfExtractor)) {
        errorText = "Unable to find " + jvmName + " " + jvmVersion + " on your system.";
        errorDetail = "Please install the JVM and re-start this installer.";
        return 0;
    }
    traceMessage(kTraceLog, "attempting to install jvm", jvmVersion);
    int result = _installTheJvm(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, jvmVersion, jvmName,
                                jvmCommandName, jvmSelfExtractor, predefinedJvmInstallDir, jvmHomeDir,
                                jvmPathOut);
    if (!result) {
        errorText = "Unable to install " + jvmName + " " + jvmVersion + ". " + kDiskSpaceHint;
        errorDetail = kOtherCauses;
    }
    return result;
}

int Install::_installTheJvm(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                            const std::string& jvmMaxVersion, const std::string& jvmVersion,
                            const std::string& jvmName, std::string& jvmCommandName,
                            const std::string& jvmSelfExtractor, std::string& predefinedJvmInstallDir,
                            std::string& jvmHomeDir, std::string& jvmPathOut) {
    InstallJvm installer;
    installer.setHwnd(hDlgMain);
    installer.jvmInstallerArguments = parameters.jvmInstallerArguments;
    int configureRegistry = installer.configureWinReg();  // asked before anything is installed
    int result = installer.installJvm(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, jvmVersion,
                                      jvmName, jvmCommandName, jvmSelfExtractor, predefinedJvmInstallDir,
                                      jvmHomeDir, jvmPathOut, homeDirectory);
    if (result && installer.newJvmInstalled) {
        getJavaHomeDir(jvmPathOut, javaHomeDir);
        logJvmLocation(1, javaHomeDir, predefinedJvmInstallDir, configureRegistry);
    } else if (result) {
        // The chosen directory already held an acceptable JVM: record the home of the
        // JVM that will run the wizard, not one an earlier attempt left behind.
        getJavaHomeDir(jvmPathOut, javaHomeDir);
        logJvmLocation(0, javaHomeDir, predefinedJvmInstallDir, configureRegistry);
    }
    return result;
}

void Install::logJvmLocation(int newlyInstalled, const std::string& javaHome,
                             const std::string& installDir, int configureRegistry) {
    UniqueFile file = openFile(kNativeProperties, "wt");
    if (!file) return;
    std::string text = nativePropertiesText(newlyInstalled, javaHome, installDir, configureRegistry);
    std::fputs(text.c_str(), file.get());
}

int Install::addSecurity(const std::string& systemSecurityPolicyFilename,
                         const std::string& userSecurityPolicyFilename, const std::string& keystoreFilename,
                         int pluginMode) {
    Security security;
    security.setHwnd(hDlgMain);
    return security.addSecurity(systemSecurityPolicyFilename, userSecurityPolicyFilename, keystoreFilename,
                                javaHomeDir, homeDirectory, pluginMode);
}

int Install::useBundledJvm() {
    std::string home = parameters.jvmBundledDir;
    for (char& c : home) {
        if (c == '/') c = '\\';
    }
    home = fullPath(home);  // relative to the installation directory, the current one
    if (!isDir(home)) {
        traceMessage(kTraceLog, "jvmBundledDir names no directory:", home);
        return 0;
    }
    TestedJvms tested;
    const JvmBounds bounds = {parameters.jvmRequiredVersion, parameters.jvmMinVersion, parameters.jvmMaxVersion};
    JvmCandidate candidate;
    candidate.source = "jvmBundledDir";
    candidate.home = home;
    if (!testCandidate(candidate, bounds, hDlgMain, tested, parameters.jvmCommandName, jvmPath)) {
        traceMessage(kTraceLog, "the installation's own runtime is not acceptable:", home);
        return 0;
    }
    // Neither registered nor copied anywhere: it leaves with the installation directory.
    traceMessage(kTraceLog, "Found correct version of JVM in the installation:", jvmPath);
    getJavaHomeDir(jvmPath, javaHomeDir);
    logJvmLocation(0, javaHomeDir, "", 0);
    return 1;
}

void Install::getJavaHomeDir(const std::string& executablePath, std::string& result) {
    result = getJavaHomeDirectory(executablePath);
    traceMessage(kTraceLog, "jvm home dir", result);
}
