#include "security/security.h"

#include <direct.h>
#include <windows.h>

#include <cstdio>

#include "jvm/find/win_version.h"
#include "security/security_text.h"
#include "util/ansi_path.h"
#include "util/file_utils.h"
#include "util/line_reader.h"
#include "util/registry.h"
#include "util/unique_file.h"

namespace {

const char kJavaHome[] = "${java.home}";
const char kUserHome[] = "${user.home}";
const char kNoLoginName[] = "unable to find login name in registry";
const char kWinlogonKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Winlogon";
const int kLineLimit = 1999;  // 2000 bytes with the terminator

bool contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

// As getFilenames resolves it: ${java.home} goes first.
bool resolvesFromUserHome(const std::string& filename) {
    return !contains(filename, kJavaHome) && contains(filename, kUserHome);
}

// A step's result from its written copy's and its profile copy's (each -1 when
// it did not run): failed when either failed.
int bothCopies(int written, int profile) {
    if (written < 0) return profile;
    if (profile < 0) return written;
    return written && profile ? 1 : 0;
}

}  // namespace

int Security::addSecurity(const std::string& systemSecurityPolicyFilename,
                          const std::string& userSecurityPolicyFilename,
                          const std::string& keystoreFilename, const std::string& javaHomeDir,
                          const std::string& homeDirectory, int replace) {
    // The result is that of the last step that ran; a policy whose target could
    // not be resolved did not run.
    int result = 1;
    int step = addPolicy(systemSecurityPolicyFilename, javaHomeDir, homeDirectory, replace, true);
    if (step >= 0) result = step;
    step = addPolicy(userSecurityPolicyFilename, javaHomeDir, homeDirectory, replace, false);
    if (step >= 0) result = step;
    if (!keystoreFilename.empty()) {
        std::string sourceName, targetPath;
        result = addCertificate(keystoreFilename, javaHomeDir, homeDirectory, sourceName, targetPath,
                                replace);
    }
    return result;
}

int Security::addPolicy(const std::string& filename, const std::string& javaHomeDir,
                        const std::string& homeDirectory, int replace, bool traceNoDestination) {
    if (filename.empty()) return -1;
    std::string sourceName, targetPath;
    int result = -1;
    if (getFilenames(filename, javaHomeDir, homeDirectory, sourceName, targetPath)) {
        result = copySecurityFile(sourceName, targetPath, replace);
    } else if (traceNoDestination && !sourceName.empty() && fileExists(sourceName)) {
        traceMessage(kTraceLog, "unable to get destination", filename);
    }
    return bothCopies(result, copyToProfile(filename, javaHomeDir, targetPath, replace, false));
}

int Security::addCertificate(const std::string& keystoreFilename, const std::string& javaHomeDir,
                             const std::string& homeDirectory, std::string& sourceName,
                             std::string& targetPath, int replace) {
    int named = 0, result = 0;
    if (certificateTarget(keystoreFilename, javaHomeDir, homeDirectory, sourceName, targetPath, named)) {
        std::string source = getCurrentDir() + "\\" + sourceName;
        result = copySecurityFile(source, targetPath, replace);
        // Only a store directly in the user's home has a copy for the login;
        // anywhere else there is no second target to look for.
        if (result && !named && liesDirectlyInUserHome(keystoreFilename)) {
            std::string loginPath;
            if (getAlternateDestination(keystoreFilename, homeDirectory, loginPath)) {
                result = copySecurityFile(source, loginPath, replace);
            } else {
                traceMessage(kTraceLog, kNoLoginName);
                result = 0;
            }
        }
    } else if (!sourceName.empty() && fileExists(sourceName)) {
        traceMessage(kTraceLog, "unable to get destination", keystoreFilename);
    }
    return bothCopies(result, copyToProfile(keystoreFilename, javaHomeDir, targetPath, replace, true));
}

int Security::certificateTarget(const std::string& keystoreFilename, const std::string& javaHomeDir,
                                const std::string& homeDirectory, std::string& sourceName,
                                std::string& targetPath, int& named) {
    if (!getFilenames(keystoreFilename, javaHomeDir, homeDirectory, sourceName, targetPath)) return 0;
    std::string identityDatabase;
    named = getIdentityIdFilename(javaHomeDir, homeDirectory, identityDatabase);
    if (named) targetPath = identityDatabase;
    return 1;
}

int Security::getFilenames(const std::string& filename, const std::string& javaHomeDir,
                           const std::string& homeDirectory, std::string& sourceName,
                           std::string& targetPath) {
    sourceName.clear();
    targetPath.clear();
    std::string base, rest;
    bool inUserHome = false;
    if (contains(filename, kJavaHome)) {
        base = javaHomeDir;
        rest = filename.substr(filename.find(kJavaHome) + sizeof kJavaHome - 1);
    } else if (contains(filename, kUserHome)) {
        base = homeDirectory;
        rest = filename.substr(filename.find(kUserHome) + sizeof kUserHome - 1);
        inUserHome = true;
    } else {
        if (!contains(filename, "/")) return 0;
        rest = filename;
    }
    if (!contains(rest, "/")) {
        sourceName = rest;
        if (inUserHome) targetPath = homeDirectory + "\\" + sourceName;
        return 1;
    }
    std::string directory;
    splitAtLastSlash(rest, directory, sourceName);
    if (!fileExists(sourceName) || !addDirectories(base, directory)) return 0;
    targetPath = directory + "\\" + sourceName;
    return 1;
}

int Security::addDirectories(const std::string& baseDirectory, std::string& directory) {
    std::string full = baseDirectory;
    std::string::size_type start = 0;
    while (start <= directory.size()) {
        std::string::size_type slash = directory.find('/', start);
        if (slash == std::string::npos) slash = directory.size();
        if (slash > start) {
            if (!full.empty()) full += '\\';
            full.append(directory, start, slash - start);
            _mkdir(full.c_str());  // an existing directory is no error
        }
        start = slash + 1;
    }
    if (!fileExists(full)) {
        traceMessage(kTraceLog, "unable to create security directory", full);
        return 0;
    }
    directory = full;
    return 1;
}

int Security::copySecurityFile(const std::string& source, const std::string& target, int replace) {
    if (target.empty()) return 0;
    // A target that could not be backed up stays as it is.
    if (replace && fileExists(source) && fileExists(target)) backupFile(target);
    if (fileExists(target)) {
        traceMessage(kTraceLog, "security file already present, kept:", target);
        return 1;
    }
    int copied = copyFile(source, target);
    traceMessage(kTraceLog, copied ? "security file copied to" : "unable to copy security file to", target);
    return copied;
}

int Security::backupFile(const std::string& path) {
    std::string backup = freeBackupName(path, [](const std::string& name) { return fileExists(name) != 0; });
    if (backup.empty() || !copyFile(path, backup)) return 0;
    if (std::remove(path.c_str()) != 0) {
        // The file stays as it was, so its copy is no backup of anything.
        std::remove(backup.c_str());
        return 0;
    }
    logSystemChange(renamingNotice(language(), path, backup));
    return 1;
}

int Security::readIdentityLine(const std::string& javaHomeDir, std::string& line) {
    std::string path = javaHomeDir + "\\lib\\security\\java.security";
    if (!fileExists(path)) return 0;
    UniqueFile file = openFile(path.c_str(), "rt");
    if (!file) return 0;
    std::string value;
    // The rest of an over-long line is no line of its own.
    while (readLine(file.get(), kLineLimit, LongLine::kRestDropped, line)) {
        if (identityDatabasePath(line, javaHomeDir, "", value)) return 1;
    }
    return 0;
}

int Security::getIdentityIdFilename(const std::string& javaHomeDir, const std::string& homeDirectory,
                                    std::string& result) {
    std::string line, value;
    if (!readIdentityLine(javaHomeDir, line)) return 0;
    identityDatabasePath(line, javaHomeDir, homeDirectory, value);
    result = value;
    // Its directory, whose parent must exist; a bare file name needs none.
    std::string::size_type backslash = value.rfind('\\');
    if (backslash != std::string::npos) {
        std::string directory = value.substr(0, backslash);
        addDirectories("", directory);
    }
    return 1;
}

int Security::getAlternateDestination(const std::string& filename, const std::string& homeDirectory,
                                      std::string& targetPath) {
    if (!liesDirectlyInUserHome(filename)) return 0;
    std::string directory, fileName, loginName;
    splitAtLastSlash(filename, directory, fileName);
    WinVersion version;
    if (!getLoginName(version.winNT(), loginName)) {
        traceMessage(kTraceLog, kNoLoginName);
        return 0;
    }
    std::string profile = "profiles/" + loginName;
    addDirectories(homeDirectory, profile);  // a failure shows in the copy
    targetPath = profileTarget(homeDirectory, loginName, fileName);
    return 1;
}

int Security::getLoginName(int winNT, std::string& loginName) {
    loginName.clear();
    if (winNT) {
        if (!readRegistryText(HKEY_LOCAL_MACHINE, kWinlogonKey, "UserName", kRegistryTextLimit, loginName) ||
            loginName.empty()) {
            readRegistryText(HKEY_LOCAL_MACHINE, kWinlogonKey, "DefaultUserName", kRegistryTextLimit, loginName);
        }
    } else {
        readRegistryText(HKEY_LOCAL_MACHINE, "Network\\Logon", "username", kRegistryTextLimit, loginName);
    }
    return loginName.empty() ? 0 : 1;
}

const std::string& Security::userProfile() {
    if (profileAsked_) return profile_;
    profileAsked_ = true;
    if (!WinVersion().profileHome()) return profile_;
    std::string path, unnamed, problem;
    if (!environmentPath("USERPROFILE", path, unnamed)) {
        problem = "USERPROFILE is not set";
    } else if (!unnamed.empty()) {
        problem = "USERPROFILE " + unnamed + " cannot be named in the ANSI code page and has no short name";
    } else {
        while (path.size() > 3 && endsWithBackslash(path)) path.pop_back();
        if (!isDir(path)) problem = "USERPROFILE " + path + " names no directory";
    }
    if (problem.empty()) {
        profile_ = path;
    } else {
        traceMessage(kTraceLog, problem + ": no security file is copied to the user's profile");
    }
    return profile_;
}

int Security::copyToProfile(const std::string& filename, const std::string& javaHomeDir, const std::string& written,
                            int replace, bool certificate) {
    std::string line;
    bool database = certificate && readIdentityLine(javaHomeDir, line);
    if (!(database ? contains(line, kUserHome) : resolvesFromUserHome(filename)) || userProfile().empty()) return -1;
    std::string sourceName, target;
    int named = 0;
    bool resolved = certificate ? certificateTarget(filename, javaHomeDir, userProfile(), sourceName, target, named)
                                : getFilenames(filename, javaHomeDir, userProfile(), sourceName, target);
    // A source the installation lacks is skipped, as the written copy skips it.
    if (!fileExists(sourceName)) return -1;
    if (!resolved) return 0;
    // A profile that is the Windows directory itself has its copy already: a
    // second one would back up the file just placed, in plug-in mode.
    if (equalsIgnoringCase(target, written)) return -1;
    return copySecurityFile(sourceName, target, replace);
}
