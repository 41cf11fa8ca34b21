// Chooses and creates the directory into which the carried JVM is extracted,
// or finds one of the candidate places already holding an acceptable JVM.
#include <direct.h>

#include "jvm/find/jvm_ok.h"
#include "jvm/setup/install_jvm.h"
#include "jvm/setup/variable_dir.h"
#include "util/file_utils.h"
#include "util/text.h"
#include "util/version.h"

namespace {

const char kProgFilesVariable[] = "[$ProgFilesDir]";
const char kWinDirVariable[] = "[$WinDir]";
const char kAppDirVariable[] = "[$AppDir]";

std::string joinPath(const std::string& parent, const std::string& name) {
    if (parent.empty()) return name;
    if (parent.back() == '\\') return parent + name;
    return parent + "\\" + name;
}

// The Windows scheme keeps the vendors' own registry names under JavaSoft.
bool isJavaSoftName(const std::string& jvmName) {
    return beginsWith(jvmName, "JRE") || beginsWith(jvmName, "JDK") ||
           beginsWith(jvmName, "Java Plug-in");
}

struct Bounds {
    const std::string& required;
    const std::string& minimum;
    const std::string& maximum;
};

// One version directory of the Windows scheme: an existing candidate is taken
// only when it holds an acceptable JVM, a missing one is made as `newName`.
int versionDirectory(InstallJvm& installer, const Bounds& bounds, const std::string& candidateName,
                     const std::string& newName, std::string& jvmCommandName,
                     std::string& jvmDirectory, std::string& jvmPath, int& existingJvm) {
    const std::string candidate = jvmDirectory + "\\" + candidateName;
    if (!fileExists(candidate)) return installer.addDirectory(jvmDirectory, newName);
    installer.traceMessage(kTraceLog, "found a possible directory", candidate);
    existingJvm = installer.foundValidJvm(bounds.required, bounds.minimum, bounds.maximum,
                                          jvmCommandName, candidate, jvmPath);
    int result = existingJvm ? 1 : 0;
    if (result) jvmDirectory = candidate;
    installer.traceMessage(kTraceLog, "directory ok", result);
    installer.traceMessage(kTraceLog, "discovered jvm", existingJvm);
    return result;
}

}  // namespace

int InstallJvm::createJvmDirectory(const std::string& jvmRequiredVersion,
                                   const std::string& jvmMinVersion,
                                   const std::string& jvmMaxVersion, const std::string& jvmVersion,
                                   const std::string& jvmName, std::string& jvmCommandName,
                                   const std::string& predefinedJvmInstallDir,
                                   std::string& jvmDirectory, std::string& jvmPath,
                                   int& existingJvm) {
    int result = _createJvmDirectory(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, jvmVersion,
                                     jvmName, jvmCommandName, predefinedJvmInstallDir, jvmDirectory,
                                     jvmPath, existingJvm);
    const char* pathPtr = getPathPtr();
    if (!result && pathPtr != nullptr) {
        for (const std::string& entry : splitSearchPath(pathPtr)) {
            jvmDirectory = entry;
            result = createJvmSubdirectory(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion,
                                           jvmVersion, jvmName, jvmCommandName, jvmDirectory,
                                           jvmPath, existingJvm);
            if (result) break;
        }
    }
    if (!result) {
        jvmDirectory = getCurrentDir();
        result = createJvmSubdirectory(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, jvmVersion,
                                       jvmName, jvmCommandName, jvmDirectory, jvmPath, existingJvm);
        if (!result) {
            logAndTraceMessage(kErrorsLog, kTraceLog, "Unable to create a new directory to install JVM");
        }
    }
    traceMessage(kTraceLog, "createJvmDirectory ok", result);
    return result;
}

int InstallJvm::_createJvmDirectory(const std::string& jvmRequiredVersion,
                                    const std::string& jvmMinVersion,
                                    const std::string& jvmMaxVersion, const std::string& jvmVersion,
                                    const std::string& jvmName, std::string& jvmCommandName,
                                    const std::string& predefinedJvmInstallDir,
                                    std::string& jvmDirectory, std::string& jvmPath,
                                    int& existingJvm) {
    int result = 0;
    if (!predefinedJvmInstallDir.empty()) {
        traceMessage(kTraceLog, "default install directory for JVM", predefinedJvmInstallDir);
        std::string resolved;
        if (getNewInstallJvmTo(predefinedJvmInstallDir, resolved) && !resolved.empty()) {
            jvmDirectory = resolved;
            result = createPredeterminedJvmDirectory(jvmRequiredVersion, jvmMinVersion,
                                                     jvmMaxVersion, jvmVersion, jvmName,
                                                     jvmCommandName, jvmDirectory, jvmPath,
                                                     existingJvm);
        }
    }
    if (!result) {
        result = createWinJvmDirectory(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, jvmVersion,
                                       jvmName, jvmCommandName, jvmDirectory, jvmPath, existingJvm);
        if (!result) traceMessage(kTraceLog, "unable to create Windows JVM directory");
    }
    return result;
}

int InstallJvm::getNewInstallJvmTo(const std::string& predefinedJvmInstallDir, std::string& result) {
    result.clear();
    int ok = 0;
    if (predefinedJvmInstallDir.find("[$") == std::string::npos) {
        result = predefinedJvmInstallDir;
        ok = 1;
    } else {
        // Only the first variable found is replaced.
        std::string variable, value;
        if (predefinedJvmInstallDir.find(kProgFilesVariable) != std::string::npos) {
            variable = kProgFilesVariable;
            if (!getProgramFilesDirectory(value)) {
                traceMessage(kTraceLog, "unable to get Programs File directory for JVM");
                variable.clear();
            }
        } else if (predefinedJvmInstallDir.find(kWinDirVariable) != std::string::npos) {
            variable = kWinDirVariable;
            if (!getWindowsDirectory(value)) {
                traceMessage(kTraceLog, "unable to get Windows directory for JVM");
                variable.clear();
            }
        } else if (predefinedJvmInstallDir.find(kAppDirVariable) != std::string::npos) {
            variable = kAppDirVariable;
            value = getCurrentDir();
        } else {
            traceMessage(kTraceLog, "unknown variable used to install the JVM");
        }
        if (!variable.empty()) ok = getVariableDir(variable, value, predefinedJvmInstallDir, result);
    }
    if (ok) {
        traceMessage(kTraceLog, "installing JVM in", result);
    } else {
        traceMessage(kTraceLog, "unable to install JVM in", result);
    }
    return ok;
}

int InstallJvm::getVariableDir(const std::string& variable, const std::string& value,
                               const std::string& predefinedJvmInstallDir, std::string& result) {
    switch (resolveVariableDir(variable, value, predefinedJvmInstallDir, result)) {
    case VariableDir::kNoVariable:
        traceMessage(kTraceLog, "invalid predefined directory for JVM", predefinedJvmInstallDir);
        return 0;
    case VariableDir::kVariableOnly:
        traceMessage(kTraceLog, "invalid default jvm install directory", predefinedJvmInstallDir);
        return 0;
    case VariableDir::kResolved:
        break;
    }
    traceMessage(kTraceLog, "predefinedJvmInstallDir != testDir", variable + "\\");
    traceMessage(kTraceLog, "trying to install JVM into", result);
    return 1;
}

int InstallJvm::createPredeterminedJvmDirectory(const std::string& jvmRequiredVersion,
                                                const std::string& jvmMinVersion,
                                                const std::string& jvmMaxVersion,
                                                const std::string&, const std::string&,
                                                std::string& jvmCommandName,
                                                std::string& jvmDirectory, std::string& jvmPath,
                                                int& existingJvm) {
    traceMessage(kTraceLog, "creating predefined jvm dir", jvmDirectory);
    std::string levels = jvmDirectory;
    if (levels.empty() || levels.back() != '\\') levels += '\\';
    // Each level up to every backslash, so that missing parents are made first.
    int allExist = 1;
    for (std::string::size_type slash = levels.find('\\'); allExist && slash != std::string::npos;
         slash = levels.find('\\', slash + 1)) {
        std::string level = levels.substr(0, slash);
        if (!level.empty() && !fileExists(level)) allExist = addDirectory(level);
    }
    if (allExist) {
        JvmOk jvmOk;
        jvmOk.setHwnd(hwnd);
        existingJvm = jvmOk.jvmCorrectVersion(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion,
                                              jvmDirectory, jvmCommandName, jvmPath);
    }
    return allExist;
}

int InstallJvm::createWinJvmDirectory(const std::string& jvmRequiredVersion,
                                      const std::string& jvmMinVersion,
                                      const std::string& jvmMaxVersion, const std::string& jvmVersion,
                                      const std::string& jvmName, std::string& jvmCommandName,
                                      std::string& jvmDirectory, std::string& jvmPath,
                                      int& existingJvm) {
    std::string mainPart, lastPart;
    parseVersion(jvmVersion, mainPart, lastPart);
    std::string drive, programFiles;
    int result = 0;
    if (getProgramFilesDirectory(programFiles)) {
        std::string::size_type colon = programFiles.find(':');
        if (colon != std::string::npos) drive = programFiles.substr(0, colon + 1);
        jvmDirectory = programFiles;
        int added = isJavaSoftName(jvmName)
                        ? addDirectory(jvmDirectory, "JavaSoft") &&
                              addDirectory(jvmDirectory, jvmName + mainPart)
                        : addDirectory(jvmDirectory, "JVM" + mainPart);
        if (!added) {
            traceMessage(kTraceLog, "Unable to create: ", jvmDirectory);
            added = addDirectory(jvmDirectory, "Java" + mainPart);
        }
        if (added) {
            const Bounds bounds{jvmRequiredVersion, jvmMinVersion, jvmMaxVersion};
            // For a two-part version the first candidate (1.2.0) differs from the one made (1.2).
            result = versionDirectory(*this, bounds, mainPart + "." + lastPart, jvmVersion,
                                      jvmCommandName, jvmDirectory, jvmPath, existingJvm);
            if (!result) {
                result = versionDirectory(*this, bounds, "Jvm" + jvmVersion, "Jvm" + jvmVersion,
                                          jvmCommandName, jvmDirectory, jvmPath, existingJvm);
            }
            if (result) return 1;
        }
    }
    // Then the drive of Program Files, then the Windows directory.
    for (const std::string* place : {&drive, &windowsDir}) {
        jvmDirectory = *place;
        if (createJvmSubdirectory(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, jvmVersion, jvmName,
                                  jvmCommandName, jvmDirectory, jvmPath, existingJvm)) {
            return 1;
        }
    }
    return 0;
}

int InstallJvm::createJvmSubdirectory(const std::string& jvmRequiredVersion,
                                      const std::string& jvmMinVersion,
                                      const std::string& jvmMaxVersion, const std::string& jvmVersion,
                                      const std::string& jvmName, std::string& jvmCommandName,
                                      std::string& jvmDirectory, std::string& jvmPath,
                                      int& existingJvm) {
    std::string mainPart, lastPart;
    parseVersion(jvmVersion, mainPart, lastPart);
    std::string subdirectory = jvmName + mainPart;
    lowerAsciiLetters(subdirectory);
    int result = 0;
    if (addDirectory(jvmDirectory, "jvm") && addDirectory(jvmDirectory, subdirectory)) {
        const std::string first = jvmDirectory + "\\" + mainPart;
        const std::string second = jvmDirectory + "\\" + subdirectory;
        if (!fileExists(first)) {
            result = addDirectory(jvmDirectory, mainPart);
        } else if (foundValidJvm(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, jvmCommandName,
                                 first, jvmPath)) {
            jvmDirectory = first;
            existingJvm = 1;
            result = 1;
        } else if (!fileExists(second)) {
            result = addDirectory(jvmDirectory, subdirectory);
        } else {
            // Neither candidate holds an acceptable JVM: the subdirectory itself takes it.
            existingJvm = foundValidJvm(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion,
                                        jvmCommandName, second, jvmPath);
            if (existingJvm) jvmDirectory = second;
            result = 1;
        }
    }
    if (result) {
        traceMessage(kTraceLog, "created jvm subdirectory in", jvmDirectory);
    } else {
        traceMessage(kTraceLog, "unable to create jvm subdirectory in", jvmDirectory);
    }
    traceMessage(kTraceLog, "finished createJvmSubdirectory; ok", result);
    return result;
}

int InstallJvm::foundValidJvm(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                              const std::string& jvmMaxVersion, std::string& jvmCommandName,
                              const std::string& candidate, std::string& jvmPath) {
    JvmOk jvmOk;
    jvmOk.setHwnd(hwnd);
    int result = jvmOk.jvmCorrectVersion(jvmRequiredVersion, jvmMinVersion, jvmMaxVersion, candidate,
                                         jvmCommandName, jvmPath);
    if (!result) traceMessage(kTraceLog, candidate, " doesn't have correct version");
    return result;
}

int InstallJvm::addDirectory(std::string& parent, const std::string& name) {
    const std::string path = joinPath(parent, name);
    // Whether it was made now, was there already, or is even a file, only existence counts.
    _mkdir(path.c_str());
    if (!fileExists(path)) {
        traceMessage(kTraceLog, "unable to add directory", path);
        return 0;
    }
    parent = path;
    return 1;
}

int InstallJvm::addDirectory(const std::string& path) {
    std::string parent;
    return addDirectory(parent, path);
}
