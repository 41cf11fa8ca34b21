// Tidying the installation directory after the wizard: the wizard's archive,
// a JVM installed in a temporary place, the logs, and the run's small files.
#include <windows.h>
#include <direct.h>
#include <io.h>

#include <cstdio>

#include "control/control_text.h"
#include "install/clean_up_text.h"
#include "install/install.h"
#include "jvm/setup/install_jvm.h"
#include "util/file_utils.h"
#include "util/line_reader.h"
#include "util/reparse_point.h"
#include "util/run_files.h"
#include "util/run_state.h"
#include "util/unique_file.h"
#include "util/text.h"

namespace {

const char kManifest[] = "META-INF\\MANIFEST.MF";
const int kManifestLineLimit = 999;

long long fileSize(const char* name) {
    UniqueFile file = openFile(name, "rb");
    if (!file || fseeko64(file.get(), 0, SEEK_END) != 0) return -1;
    return ftello64(file.get());
}

// A tree named by a file the wizard may rewrite is never a root, this
// installation directory or one of its parents.
bool isRemovableTree(const std::string& directory) {
    std::string full = fullPath(directory);
    return !isRootPath(full) && !isWithin(getCurrentDir(), full);
}

struct TempJvm {
    std::string home;
    std::string inTemp;
    std::string directory;
    int configureRegistry = 1;
};

}  // namespace

void Install::cleanUp(int result) {
    cleanUpManifest(result);
    cleanUpJvmDir();
    cleanUpErrorsLog();
    cleanUpLogFiles();
    std::remove(kChangesFile);
    std::remove(kStartDirFile);
    std::remove(kNativeProperties);
}

void Install::cleanUpManifest(int result) {
    if (fileExists(kManifest)) {
        if (UniqueFile manifest = openFile(kManifest, "rt")) {
            std::string line, name;
            while (readLine(manifest.get(), kManifestLineLimit, LongLine::kRestDropped, line)) {
                if (!manifestName(line, name)) continue;
                // The wizard's archive may name only its own files, never one outside this directory.
                if (!staysInside(name)) {
                    traceMessage(kTraceLog, "manifest entry outside the installation ignored:", name);
                    continue;
                }
                std::remove(name.c_str());
            }
        }
    }
    std::remove(kManifest);
    _rmdir("META-INF");
    std::remove(kWizardJar);
    std::remove(kSwingJar);
    if (fileExists(kTraceMarker)) {
        std::remove(kTraceMarker);
        if (result) {
            std::remove(kTraceLog);
        } else {
            traceMessage(kTraceLog, "install ok", 0);
        }
    }
}

void Install::cleanUpJvmDir() {
    UniqueFile file = openFile(kNativeProperties, "rt");
    if (!file) return;
    TempJvm jvm;
    std::string line;
    // The tail of an over-long line is dropped: it must never name a directory to remove.
    while (readLine(file.get(), kLinePiece, LongLine::kRestDropped, line)) {
        line = readBackPropertiesLine(line);
        std::string value;
        if (keyLineValue(line, "nativeJvmHomeDir", value)) {
            jvm.home = value.substr(0, 999);
            traceMessage(kTraceLog, "jvmLocation", jvm.home);
        } else if (keyLineValue(line, "nativeJvmInstalledInTemp", value)) {
            jvm.inTemp = value.substr(0, 999);
            traceMessage(kTraceLog, "jvmInstalledInTemp", jvm.inTemp);
        } else if (keyLineValue(line, "nativeTempJvmDir", value)) {
            jvm.directory = value.substr(0, 999);
            traceMessage(kTraceLog, "tempJvmDir", jvm.directory);
        } else if (keyLineValue(line, "configureWinRegistry", value)) {
            jvm.configureRegistry = isFlagTrue(value) ? 1 : 0;
            traceMessage(kTraceLog, "configureReg", jvm.configureRegistry);
        }
    }
    file.reset();
    if (!equalsIgnoringCase(jvm.inTemp, "true")) return;

    std::string directory = jvm.directory.empty() ? jvm.home : jvm.directory;
    // Windows is configured only for a JVM that survives the removal; one inside
    // the removed tree would leave registry entries pointing at nothing.
    if (jvm.configureRegistry && !isWithin(jvm.home, directory)) {
        InstallJvm installer;
        installer.setHwnd(hDlgMain);
        installer.configureJvm(parameters.jvmVersion, parameters.jvmName, parameters.jvmCommandName,
                               jvm.home, homeDirectory, 1);
    }
    if (!removeDirAndSubdirs(directory)) {
        traceMessage(kTraceLog, "Warning: Unable to delete " + directory);
    }
    if (isRemovableTree(directory)) {
        _rmdir((directory + "\\bin").c_str());
        _rmdir(directory.c_str());
    }
}

void Install::cleanUpErrorsLog() {
    if (fileSize(kErrorsLog) == 0) std::remove(kErrorsLog);
}

void Install::cleanUpLogFiles() {
    std::string startDir = getStartDir();
    std::string current = getCurrentDir();
    if (!fileExists(startDir) || equalsIgnoringCase(startDir, current)) return;
    std::string target = startDir;
    if (isDirWriteProtected(startDir) && !isDirWriteProtected(homeDirectory)) target = homeDirectory;
    traceMessage(kTraceLog, "copying log files to", target);
    _cleanUpLogFiles(target);
}

int Install::isDirWriteProtected(const std::string& directory) {
    if (directory.empty()) return 1;
    std::string probe = directory + "\\__kivtest.zos";
    long long size;
    {
        UniqueFile file = openFile(probe.c_str(), "wt");
        if (!file) return 1;
        std::fputs("ok", file.get());
        std::fseek(file.get(), 0, SEEK_END);
        size = std::ftell(file.get());
    }
    std::remove(probe.c_str());
    return size < 1 ? 1 : 0;
}

void Install::_cleanUpLogFiles(const std::string& target) {
    // Relative: a directory named with "?" for what the code page lacks would even match others.
    _finddata_t entry;
    UniqueFindHandle find(_findfirst("*.log", &entry));
    if (!find) return;
    do {
        std::string name = entry.name;
        if (name == "." || name == "..") continue;
        // An empty kivpand.log carries nothing worth keeping.
        if (name.find(kSetupLog) != std::string::npos && fileSize(name.c_str()) == 0) continue;
        std::string copy = target + "\\" + name;
        appendFile(name, copy);
        if (equalsIgnoringCase(name, kErrorsLog) && !fileExists(copy)) {
            showError(hDlgMain, "Unable to save errors.log\r\rTry installing from a non-write protected drive.");
        }
    } while (_findnext(find.get(), &entry) == 0);
}

int Install::removeDirAndSubdirs(const std::string& directory, const std::string& linkLogGiven) {
    traceMessage(kTraceLog, "removing all files and subdirs from", directory);
    if (!isRemovableTree(directory)) {
        traceMessage(kTraceLog, "refusing to remove", directory);
        return 0;
    }
    // Named in full: the inner calls run with the tree's folders as current directory.
    std::string linkLog = linkLogGiven.empty() ? fullPath(kTraceLog) : linkLogGiven;
    // A junction or directory link is never entered: what it points to is someone
    // else's. Removed, it goes as itself (on NT its target stays untouched).
    if (isReparsePoint(directory)) {
        if (_rmdir(directory.c_str()) == 0) return 1;
        traceMessage(linkLog.c_str(), "link neither followed nor removed:", directory);
        return 0;
    }
    std::string current = getCurrentDir();
    if (_chdir(directory.c_str()) != 0) return 0;
    // The enumeration begins anew after each file deleted, until one finds none.
    int result = 1;
    std::string file;
    while ((result = removeSubdirsUpToFile(directory, linkLog, file)) && !file.empty()) {
        result = std::remove(file.c_str()) == 0 ? 1 : 0;
        if (!result) break;
    }
    _chdir(current.c_str());
    _rmdir(directory.c_str());
    return result;
}

int Install::removeSubdirsUpToFile(const std::string& directory, const std::string& linkLog, std::string& file) {
    file.clear();
    _finddata_t entry;
    UniqueFindHandle find(_findfirst("*.*", &entry));
    if (!find) return 1;
    do {
        std::string name = entry.name;
        if (name == "." || name == "..") continue;
        std::string path = directory + "\\" + name;
        if (!(entry.attrib & _A_SUBDIR)) {
            file = path;
            return 1;
        }
        int result = removeDirAndSubdirs(path, linkLog);
        _chdir(directory.c_str());  // the inner call went back to its own start
        if (!result) return 0;
    } while (_findnext(find.get(), &entry) == 0);
    return 1;
}
