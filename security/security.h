#pragma once
#include <string>

#include "diagnostics/trace.h"
#include "util/window_handle.h"

// Installs the Java security files an installation carries: the system and
// user policy files and the certificate store (identity database).
// A target name begins with "${java.home}" or "${user.home}" (or nothing, a
// path as written), then directories separated by "/", then the file name,
// which is also the name of the source in the current directory.
class Security : public Trace {
public:
    void setHwnd(WindowHandle window) { window_ = window; }

    // The whole job: the result of the last step that ran (1 if none ran). A
    // policy whose target cannot be resolved does not run; the certificate step
    // runs whenever it is named. `replace` backs up and replaces existing targets.
    int addSecurity(const std::string& systemSecurityPolicyFilename,
                    const std::string& userSecurityPolicyFilename, const std::string& keystoreFilename,
                    const std::string& javaHomeDir, const std::string& homeDirectory, int replace);

    // Places the certificate store where java.security names the identity
    // database, else at the target name's place and, directly in the user's
    // home, also in the login's profile.
    int addCertificate(const std::string& keystoreFilename, const std::string& javaHomeDir,
                       const std::string& homeDirectory, std::string& sourceName,
                       std::string& targetPath, int replace);

    // Resolves a target name and creates the target's directories.
    int getFilenames(const std::string& filename, const std::string& javaHomeDir,
                     const std::string& homeDirectory, std::string& sourceName, std::string& targetPath);

    // Creates base\part\part... for the "/"-separated parts of `directory` and
    // hands back the full directory in it.
    int addDirectories(const std::string& baseDirectory, std::string& directory);

    // An existing target is kept unless `replace` is set; then it is backed up first.
    int copySecurityFile(const std::string& source, const std::string& target, int replace);

    // Moves an existing file to its next free numbered backup and records that in changes.txt.
    int backupFile(const std::string& path);

    // The identity database that the JVM's lib\security\java.security names.
    int getIdentityIdFilename(const std::string& javaHomeDir, const std::string& homeDirectory,
                              std::string& result);

    // The profile copy of a file directly in the user's home: user
    // home\profiles\login name\file name.
    int getAlternateDestination(const std::string& filename, const std::string& homeDirectory,
                                std::string& targetPath);

    // The registered login name, from the values of the given Windows family.
    int getLoginName(int winNT, std::string& loginName);

private:
    // 1 placed or kept, 0 failed, -1 nothing to do.
    int addPolicy(const std::string& filename, const std::string& javaHomeDir,
                  const std::string& homeDirectory, int replace, bool traceNoDestination);

    // Where the certificate store goes for this user home, the directories made:
    // where java.security names the identity database (`named`), else the
    // target name's place.
    int certificateTarget(const std::string& keystoreFilename, const std::string& javaHomeDir,
                          const std::string& homeDirectory, std::string& sourceName, std::string& targetPath,
                          int& named);

    // The line of the JVM's java.security that names the identity database.
    int readIdentityLine(const std::string& javaHomeDir, std::string& line);

    // On 2000 and later every JVM takes the user's home from the user's profile,
    // not the Windows directory: there each target resolved from ${user.home}
    // gets a second copy, by the same rules. The profile folder is empty where
    // there is none to copy to (9x, NT 4, or USERPROFILE unusable: traced once).
    const std::string& userProfile();
    // The copy in the profile beside the `written` target: 1 placed or kept, 0
    // failed, -1 nothing to do.
    int copyToProfile(const std::string& filename, const std::string& javaHomeDir, const std::string& written,
                      int replace, bool certificate);

    WindowHandle window_ = nullptr;
    bool profileAsked_ = false;
    std::string profile_;
};
