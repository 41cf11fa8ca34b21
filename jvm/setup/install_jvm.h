#pragma once
#include <string>
#include <vector>

#include "diagnostics/trace.h"
#include "util/win_handles.h"

// Puts a JVM on the machine when none acceptable was found: runs the vendor
// installer and searches again, or extracts the carried JVM into a directory
// chosen and created here, then registers and configures it. Either way the
// result is confirmed with the version test.
class InstallJvm : public Trace {
public:
    void setHwnd(WindowHandle window) { hwnd = window; }

    // Dispatch
    int installJvm(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                   const std::string& jvmMaxVersion, const std::string& jvmVersion,
                   const std::string& jvmName, std::string& jvmCommandName,
                   const std::string& jvmSelfExtractor, std::string& predefinedJvmInstallDir,
                   std::string& jvmHomeDir, std::string& jvmPath, const std::string& windowsDirectory);
    int thirdPartyInstaller();
    int installThirdPartyJvm(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                             const std::string& jvmMaxVersion, const std::string& jvmVersion,
                             const std::string& jvmName, std::string& jvmCommandName,
                             const std::string& jvmSelfExtractor, std::string& predefinedJvmInstallDir,
                             std::string& jvmHomeDir, std::string& jvmPath,
                             const std::string& windowsDirectory, std::string& jvmDirectory);
    int installCompressedJvm(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                             const std::string& jvmMaxVersion, const std::string& jvmVersion,
                             const std::string& jvmName, std::string& jvmCommandName,
                             const std::string& jvmSelfExtractor, std::string& predefinedJvmInstallDir,
                             std::string& jvmHomeDir, std::string& jvmPath,
                             const std::string& windowsDirectory, std::string& jvmDirectory);
    int getJvmInstallerCommand(const std::string& installerFilename, std::string& command);
    int searchForJvm(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                     const std::string& jvmMaxVersion, const std::string& jvmName,
                     std::string& jvmCommandName, std::string& jvmPath,
                     const std::string& windowsDirectory);

    // System directories
    int isWinNT();
    int getProgramFilesDirectory(std::string& result);
    int getWindowsDirectory(std::string& result);
    int isDirInPath(std::string& directoryName, std::string& result);

    // JVM directory selection
    int createJvmDirectory(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                           const std::string& jvmMaxVersion, const std::string& jvmVersion,
                           const std::string& jvmName, std::string& jvmCommandName,
                           const std::string& predefinedJvmInstallDir, std::string& jvmDirectory,
                           std::string& jvmPath, int& existingJvm);
    int _createJvmDirectory(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                            const std::string& jvmMaxVersion, const std::string& jvmVersion,
                            const std::string& jvmName, std::string& jvmCommandName,
                            const std::string& predefinedJvmInstallDir, std::string& jvmDirectory,
                            std::string& jvmPath, int& existingJvm);
    int getNewInstallJvmTo(const std::string& predefinedJvmInstallDir, std::string& result);
    int getVariableDir(const std::string& variable, const std::string& value,
                       const std::string& predefinedJvmInstallDir, std::string& result);
    int createPredeterminedJvmDirectory(const std::string& jvmRequiredVersion,
                                        const std::string& jvmMinVersion,
                                        const std::string& jvmMaxVersion, const std::string& jvmVersion,
                                        const std::string& jvmName, std::string& jvmCommandName,
                                        std::string& jvmDirectory, std::string& jvmPath,
                                        int& existingJvm);
    int createWinJvmDirectory(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                              const std::string& jvmMaxVersion, const std::string& jvmVersion,
                              const std::string& jvmName, std::string& jvmCommandName,
                              std::string& jvmDirectory, std::string& jvmPath, int& existingJvm);
    int createJvmSubdirectory(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                              const std::string& jvmMaxVersion, const std::string& jvmVersion,
                              const std::string& jvmName, std::string& jvmCommandName,
                              std::string& jvmDirectory, std::string& jvmPath, int& existingJvm);
    int foundValidJvm(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                      const std::string& jvmMaxVersion, std::string& jvmCommandName,
                      const std::string& candidate, std::string& jvmPath);
    int addDirectory(std::string& parent, const std::string& name);
    int addDirectory(const std::string& path);

    // Configuration
    int configureJvm(const std::string& jvmVersion, const std::string& jvmName,
                     std::string& jvmCommandName, const std::string& jvmDirectory,
                     const std::string& windowsDirectory, int configureWindows);
    int configureWinReg();
    int configureWinJvm(const std::string& jvmVersion, const std::string& jvmName,
                        const std::string& executableName, const std::string& jvmDirectory,
                        const std::string& windowsDirectory);
    int _configureWinJvm(const std::string& jvmVersion, const std::string& jvmName,
                         const std::string& executableName, const std::string& jvmDirectory,
                         const std::string& windowsDirectory);
    int configureJre(const std::string& mainPart, const std::string& lastPart,
                     const std::string& jvmHome, const std::string& executableName);
    int configureJava2(const std::string& mainPart, const std::string& lastPart,
                       const std::string& jvmHome, const std::string& executableName);
    int copyJreFilesToHome(const std::string& mainPart, const std::string& jvmHome,
                           const std::string& executableName);
    int copyJvmFile(const std::string& source, const std::string& target);

    // Registration (HKEY_LOCAL_MACHINE; nothing present is ever overwritten)
    int addJvmToRegistry(const std::string& rootKey, const std::string& homeValueName,
                         const std::string& version, const std::string& microVersion,
                         const std::string& jvmHome, const std::string& executableName);
    void addJvmTopLevelKey(const std::string& rootKey, const std::string& version);
    void addJvmSubentries(RegistryKey versionKey, const std::string& homeValueName,
                          const std::string& version, const std::string& microVersion,
                          const std::string& jvmHome, const std::string& executableName);
    // Opens or creates the key for writing; `key` owns it on success.
    int addToRegistry(RegistryKey parent, const std::string& path, UniqueRegKey& key);
    int addValueToRegistry(RegistryKey key, const std::string& name, const std::string& text);

    int extractJvm(const std::string& jvmSelfExtractor, const std::string& jvmDirectory);
    // The vendor installer's arguments. Its JVM directory, for [$JvmDir], is
    // predefinedJvmInstallDir resolved: 0, traced, when the words need one and
    // it names none.
    int vendorInstallerArguments(const std::string& predefinedJvmInstallDir,
                                 std::vector<std::string>& arguments);

    std::string windowsDir;   // the Windows directory; last-resort JVM place and copy target
    std::string jvmInstallerArguments;  // the installer's words, from kiv.control; none by default
    WindowHandle hwnd = nullptr;
    int newJvmInstalled = 0;  // a JVM passed the final test and was not found already in place
    int existingJvmFound = 0; // the chosen directory already held an acceptable JVM
};
