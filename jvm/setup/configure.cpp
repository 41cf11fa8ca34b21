// Making an installed JVM known to Windows: its registry entries and, for the
// registry's current JVM, its launchers in the Windows directories.
#include <windows.h>

#include "control/control_text.h"
#include "control/first_key_line.h"
#include "jvm/find/jvm_ok.h"
#include "jvm/find/jvm_win.h"
#include "jvm/find/version_numbers.h"
#include "jvm/setup/install_jvm.h"
#include "util/file_utils.h"
#include "util/registry.h"
#include "util/run_files.h"
#include "util/text.h"
#include "util/version.h"

namespace {

// The console program's windowed twin, or the reverse.
std::string otherVariant(const std::string& mainPart, const std::string& executableName) {
    std::string base = executableName;
    std::string::size_type dot = base.rfind(".exe");
    if (dot != std::string::npos) base.erase(dot);
    if (beginsWith(mainPart, "1.1")) return base == "jrew" ? "jre.exe" : "jrew.exe";
    return base == "javaw" ? "java.exe" : "javaw.exe";
}

// Registry values carry lower-case homes without a trailing \bin.
std::string registrationHome(const std::string& jvmDirectory) {
    std::string home = jvmDirectory;
    lowerAsciiLetters(home);
    std::string::size_type bin = home.rfind("\\bin");
    if (bin != std::string::npos) home.erase(bin);
    return home;
}

}  // namespace

int InstallJvm::configureJvm(const std::string& jvmVersion, const std::string& jvmName,
                             std::string& jvmCommandName, const std::string& jvmDirectory,
                             const std::string& windowsDirectory, int configureWindows) {
    showStatus(1);
    traceMessage(kTraceLog, "about to configure jvm", jvmVersion);
    if (windowsDir.empty()) windowsDir = windowsDirectory;
    std::string alternative = javaNameInsteadOf(jvmCommandName);
    bool jreName = !alternative.empty();

    std::string executableName;
    if (fileExists(jvmDirectory + "\\" + jvmCommandName)) {
        executableName = jvmCommandName;
    } else if (jreName && fileExists(jvmDirectory + "\\" + alternative)) {
        executableName = alternative;
    } else if (fileExists(jvmDirectory + "\\bin\\" + jvmCommandName)) {
        executableName = jvmCommandName;
    } else if (jreName && fileExists(jvmDirectory + "\\bin\\" + alternative)) {
        executableName = alternative;
    }

    int result = 0;
    if (executableName.empty()) {
        logAndTraceMessage(kErrorsLog, kTraceLog, "Unable to find JVM executable");
    } else {
        if (configureWindows) {
            configureWinJvm(jvmVersion, jvmName, executableName, jvmDirectory, windowsDirectory);
        }
        jvmCommandName = executableName;
        result = 1;
    }
    if (!result) logAndTraceMessage(kErrorsLog, kTraceLog, "Unable to configure JVM in", jvmDirectory);
    traceMessage(kTraceLog, "configureJvm ok", result);
    return result;
}

int InstallJvm::configureWinReg() {
    std::string value, line;
    bool found = false;
    if (!readFirstKeyLine(kControlFile, kNativeProperties, "configureWinRegistry", value, found, &line)) {
        traceMessage(kTraceLog, "unable to open kiv.control file", "defaulting to configure registry");
        return 1;
    }
    if (!found) return 1;  // no key: Windows is configured
    traceMessage(kTraceLog, line);
    int result = isFlagTrue(value) ? 1 : 0;
    traceMessage(kTraceLog, "configureWinRegistry", result);
    return result;
}

int InstallJvm::configureWinJvm(const std::string& jvmVersion, const std::string& jvmName,
                                const std::string& executableName, const std::string& jvmDirectory,
                                const std::string& windowsDirectory) {
    if (!configureWinReg()) {
        traceMessage(kTraceLog, "Windows registry unchanged");
        return 1;
    }
    if (_configureWinJvm(jvmVersion, jvmName, executableName, jvmDirectory, windowsDirectory)) {
        traceMessage(kTraceLog, "Windows registry configured");
    } else {
        traceMessage(kTraceLog, "Warning: Windows registry *not* configured properly");
    }
    return 1;
}

int InstallJvm::_configureWinJvm(const std::string& jvmVersion, const std::string& jvmName,
                                 const std::string& executableName, const std::string& jvmDirectory,
                                 const std::string&) {
    std::string mainPart, lastPart;
    parseVersion(jvmVersion, mainPart, lastPart);
    std::string home = registrationHome(jvmDirectory);
    if (equalsIgnoringCase(jvmName, "JDK")) {
        int registered = addJvmToRegistry(kJdkKey, "JavaHome", mainPart, lastPart, home, executableName);
        std::string lower = executableName;
        lowerAsciiLetters(lower);
        if (lower.find("jre") == std::string::npos && lower.find("java") == std::string::npos) {
            return registered;
        }
    }
    return configureJre(mainPart, lastPart, home, executableName);
}

int InstallJvm::configureJre(const std::string& mainPart, const std::string& lastPart,
                             const std::string& jvmHome, const std::string& executableName) {
    if (!addJvmToRegistry(kJreKey, "JavaHome", mainPart, lastPart, jvmHome, executableName)) return 0;
    copyJreFilesToHome(mainPart, jvmHome, executableName);
    if (!beginsWith(mainPart, "1.1")) return configureJava2(mainPart, lastPart, jvmHome, executableName);
    return 1;
}

int InstallJvm::configureJava2(const std::string& mainPart, const std::string& lastPart,
                               const std::string& jvmHome, const std::string& executableName) {
    return addJvmToRegistry(kJreKey, "JavaHome", mainPart + "." + lastPart, lastPart, jvmHome,
                            executableName);
}

int InstallJvm::copyJreFilesToHome(const std::string& mainPart, const std::string& jvmHome,
                                   const std::string& executableName) {
    std::string current;
    if (!readRegistryText(HKEY_LOCAL_MACHINE, kJreKey, "CurrentVersion", kRegistryTextLimit, current)) {
        return 1;
    }
    // Only the registry's current JVM gets its launchers in the Windows directory.
    if (current != mainPart) return 1;
    // A launcher of Java 9 or later starts only from its own home. Copied into the
    // Windows directory, early on every PATH, it would hide every other java there.
    if (compareVersionNumbers(mainPart, "9") >= 0) {
        traceMessage(kTraceLog, "nothing of JVM " + mainPart +
                                    " copied into the Windows directories: a launcher of Java 9 or later "
                                    "starts only from its own home");
        return 1;
    }
    std::string bin = jvmHome + "\\bin\\";
    std::string other = otherVariant(mainPart, executableName);
    copyJvmFile(bin + executableName, windowsDir + "\\" + executableName);
    copyJvmFile(bin + other, windowsDir + "\\" + other);
    copyJvmFile(bin + "msvcrt.dll", windowsDir + "\\system\\msvcrt.dll");
    return 1;
}

int InstallJvm::copyJvmFile(const std::string& source, const std::string& target) {
    if (!fileExists(source)) {
        traceMessage(kTraceLog, "unable to copy file from", source);
        traceMessage(kTraceLog, "                      to", target);
        return 0;
    }
    if (fileExists(target)) return 1;  // never replace what is there
    return copyFile(source, target);
}
