#pragma once
#include <string>
#include <vector>

#include "control/control_parameters.h"
#include "diagnostics/trace.h"
#include "install/exit_report.h"

// Runs one installation from start to clean-up: environment, control file,
// JVM search or installation, security files, the wizard (or the applet page),
// clean-up. A failed run ends in one error box, shown by install(). Steps that
// know more than install() can tell show a box of their own first: the control
// file's reader (a control file it cannot open or repair) and the applet launch
// (no browser). The clean-up's box for an errors.log it could not save comes
// after, successful run or not.
class Install : public Trace {
public:
    // quiet and silent are the command-line switches; passThrough follows them to
    // the wizard. Returns 1 when the wizard (or the applet page) was started.
    int install(int quiet, int silent, const std::string& passThrough);

    int getParams();
    void showStatusMessage(int progress);

    // Environment
    int getEnvironmentSetup();
    int getWinEnvironmentSetup();
    int getHomeDirectory();
    int isDirInPath(std::string& directoryName, std::string& result);

    // JVM selection
    int isJvmInstalled(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                       const std::string& jvmMaxVersion, const std::string& jvmName,
                       std::string& jvmCommandName, std::string& jvmPath,
                       const std::string& searchForJvm);
    int installTheJvm(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                      const std::string& jvmMaxVersion, const std::string& jvmVersion,
                      const std::string& jvmName, std::string& jvmCommandName,
                      const std::string& jvmSelfExtractor, std::string& predefinedJvmInstallDir,
                      std::string& jvmHomeDir, std::string& jvmPath);
    int _installTheJvm(const std::string& jvmRequiredVersion, const std::string& jvmMinVersion,
                       const std::string& jvmMaxVersion, const std::string& jvmVersion,
                       const std::string& jvmName, std::string& jvmCommandName,
                       const std::string& jvmSelfExtractor, std::string& predefinedJvmInstallDir,
                       std::string& jvmHomeDir, std::string& jvmPath);
    void logJvmLocation(int newlyInstalled, const std::string& javaHome, const std::string& installDir,
                        int configureRegistry);
    int addSecurity(const std::string& systemSecurityPolicyFilename,
                    const std::string& userSecurityPolicyFilename, const std::string& keystoreFilename,
                    int pluginMode);
    void getJavaHomeDir(const std::string& executablePath, std::string& result);
    // jvmBundledDir: the runtime the installation carries ready to run, tested
    // like any candidate. 1 when it passed and jvmPath names it.
    int useBundledJvm();

    // Launch
    int runJavaInstaller(const std::string& jvmPath, const std::string& jvmExtraParameters,
                         const std::string& jvmClasspathSwitch, const std::string& loaderClasspath,
                         const std::string& loaderJavaCommand, const std::string& startGuiCommand,
                         const std::string& checkGuiRunningCommand, const std::string& passThrough,
                         int quiet, int silent);
    void addClassElement(std::string& classPath, const std::string& element,
                         const std::string& swingPath, int oldJvm);
    int runInstaller(const std::string& jvmPath, const std::string& jvmExtraParameters,
                     const std::string& jvmClasspathSwitch, const std::string& classPath,
                     const std::string& loaderJavaCommand, const std::string& startGuiCommand,
                     const std::string& checkGuiRunningCommand, const std::string& passThrough,
                     int quiet, int silent);
    int countParameters(const std::string& loaderJavaCommand, const std::string& passThrough,
                        int quiet, int silent);
    // startGuiCommand and checkGuiRunningCommand are handed down and not used.
    int _runInstaller(const std::string& jvmPath, const std::vector<std::string>& arguments,
                      const std::string& startGuiCommand, const std::string& checkGuiRunningCommand);
    int launchApplet(const std::string& appletUrl);

    // Clean-up
    void cleanUp(int result);
    void cleanUpManifest(int result);
    void cleanUpJvmDir();
    void cleanUpErrorsLog();
    void cleanUpLogFiles();
    int isDirWriteProtected(const std::string& directory);
    void _cleanUpLogFiles(const std::string& target);
    // A link that can be neither followed nor removed is traced to `linkLog`, by
    // default the current directory's jinstall.log named in full: the removal
    // changes the current directory.
    int removeDirAndSubdirs(const std::string& directory, const std::string& linkLog = std::string());
    // Removes the subdirectories the enumeration of the current directory, the
    // tree's `directory`, meets before its first file, and names that file
    // (empty when there is none). 0 when a subdirectory could not be removed.
    int removeSubdirsUpToFile(const std::string& directory, const std::string& linkLog, std::string& file);

    // The fields every step shares.
    int isWindowsNT = 0;
    ControlParameters parameters;
    std::string jvmPath;
    std::string javaHomeDir;
    std::string controlFilename;
    std::string errorText;
    std::string errorDetail;
    std::string homeDirectory;
    int quiet = 0;
    int silent = 0;
    int exitCodeReport = 0;  // exitCodeReport in kiv.control
    int wizardExitCode = 0;  // of the last wizard run that started
    bool wizardArchiveMissing = false;  // a launch found no install.jar

private:
    void traceVersion();
    RunOutcome runSteps(const std::string& passThrough);
    int selectJvm(int& installedByThisRun);
    int launch(int pluginMode, const std::string& passThrough);
    int launchWizard(const std::string& passThrough);
    void reportFailure(RunOutcome outcome);
    void offerDownload(const std::string& page);
    void reportExitCode(RunOutcome outcome);
};

// Texts of the error report that several steps use.
extern const char kDiskSpaceHint[];
extern const char kOtherCauses[];
