#include "install/install.h"

#include <cstdio>

#include "control/control_text.h"
#include "control/first_key_line.h"
#include "control/get_parameters.h"
#include "jvm/find/search_options.h"
#include "util/run_state.h"
#include "util/shell.h"
#include "util/text.h"

const char kDiskSpaceHint[] =
    "Are the destination or temporary directories out of disk space?\r\r    See errors.log for other "
    "possible causes.";
const char kOtherCauses[] =
    "Other possible causes for errors:\n"
    "    * Read/write access rights to the 'temp' and installation directories?\n"
    "    * OS need to be patched to run Java apps?\n"
    "    * Anti-virus software installed that won't permit unknonwn executable or JAR files to run?";

namespace {

const char kWizardNotStarted[] =
    "Unable to start the install wizard.\r\rIs there a \"java\" command in the path that doesn't "
    "start the JRE?\r\rIf there is, remove it and try the installer again.";

}  // namespace

int Install::install(int quietSwitch, int silentSwitch, const std::string& passThrough) {
    showStatusMessage(1);
    // A log of the author's names the build first; one the launcher makes gets
    // the line as soon as it exists (getEnvironmentSetup).
    traceVersion();
    traceMessage(kTraceLog, "");
    traceMessage(kTraceLog, "Preparing Java install wizard");
    quiet = quietSwitch;
    silent = silentSwitch;
    getEnvironmentSetup();
    errorText.clear();
    errorDetail.clear();
    // Asked before the repair: a control file that cannot be repaired or read still answers.
    exitCodeReport = exitCodeReportWanted();
    if (exitCodeReport && silent) {
        setBoxesShown(false, "unattended run");
        traceMessage(kTraceLog, "unattended run (-s with exitCodeReport): no message box is shown");
    }

    RunOutcome outcome = runSteps(passThrough);
    int result = outcome == RunOutcome::WizardRan || outcome == RunOutcome::AppletPageShown ? 1 : 0;
    if (!result) reportFailure(outcome);
    // Before clean-up, which saves the logs to the start directory.
    if (exitCodeReport) reportExitCode(outcome);
    cleanUp(result);
    std::remove(showDialogFilename.c_str());
    return result;
}

// The control file, the JVM, the security files and the launch, each step
// ending the run when it fails; the outcome says how the run ended.
RunOutcome Install::runSteps(const std::string& passThrough) {
    for (const std::string& note : startupNotes) traceMessage(kTraceLog, note);
    if (!installDirectoryUnnamed.empty()) {
        logAndTraceMessage(kErrorsLog, kTraceLog, installDirectoryUnnamed);
        return RunOutcome::InstallDirUnnamed;
    }
    if (!getParams()) {
        logAndTraceMessage(kErrorsLog, kTraceLog, "unable to get parameters");
        return RunOutcome::ControlFileUnusable;
    }
    int pluginMode = isPluginMode(parameters.jvmName);
    int installedByThisRun = 0;
    if (!selectJvm(installedByThisRun)) {
        return parameters.jvmSelfExtractor.empty() ? RunOutcome::NoJvmCarried : RunOutcome::CarriedJvmFailed;
    }
    if (!addSecurity(parameters.systemSecurityPolicyFilename, parameters.userSecurityPolicyFilename,
                     parameters.keystoreFilename, pluginMode) &&
        pluginMode) {
        return RunOutcome::SecurityFilesFailed;
    }
    if (launch(pluginMode, passThrough)) return pluginMode ? RunOutcome::AppletPageShown : RunOutcome::WizardRan;
    // A JVM found on the machine may be what fails: the one the installation carries
    // is installed and the wizard started once more, in plug-in mode too. Not for a
    // missing wizard archive, which no JVM mends: the machine would change for nothing.
    if (!installedByThisRun && wizardArchiveMissing) {
        traceMessage(kTraceLog, "the carried JVM is not installed: the wizard's archive install.jar is missing");
    } else if (!installedByThisRun) {
        showStatusMessage(4);
        if (installTheJvm(parameters.jvmRequiredVersion, parameters.jvmMinVersion, parameters.jvmMaxVersion,
                          parameters.jvmVersion, parameters.jvmName, parameters.jvmCommandName,
                          parameters.jvmSelfExtractor, parameters.predefinedJvmInstallDir,
                          parameters.jvmHomeDir, jvmPath)) {
            showStatusMessage(5);
            return launchWizard(passThrough) ? RunOutcome::WizardRan : RunOutcome::WizardNotStarted;
        }
    }
    return pluginMode ? RunOutcome::BrowserNotStarted : RunOutcome::WizardNotStarted;
}

// The installed JVM if there is one, else the carried one. A runtime that lies
// ready in the installation (jvmBundledDir) comes before the carried one, and
// with jvmBundledFirst before the search.
int Install::selectJvm(int& installedByThisRun) {
    installedByThisRun = 0;
    const bool bundled = !parameters.jvmBundledDir.empty();
    const bool bundledFirst = bundled && isFlagTrue(parameters.jvmBundledFirst);
    if (bundledFirst && useBundledJvm()) return 1;
    if (isJvmInstalled(parameters.jvmRequiredVersion, parameters.jvmMinVersion, parameters.jvmMaxVersion,
                       parameters.jvmName, parameters.jvmCommandName, jvmPath, parameters.searchForJvm)) {
        return 1;
    }
    if (bundled && !bundledFirst && useBundledJvm()) return 1;
    installedByThisRun = installTheJvm(parameters.jvmRequiredVersion, parameters.jvmMinVersion,
                                       parameters.jvmMaxVersion, parameters.jvmVersion, parameters.jvmName,
                                       parameters.jvmCommandName, parameters.jvmSelfExtractor,
                                       parameters.predefinedJvmInstallDir, parameters.jvmHomeDir, jvmPath);
    return installedByThisRun;
}

// The wizard, or in plug-in mode the applet page.
int Install::launch(int pluginMode, const std::string& passThrough) {
    if (pluginMode) return launchApplet(parameters.appletUrl);
    showStatusMessage(2);
    return launchWizard(passThrough);
}

// The second attempt after a failed launch is always the wizard, in plug-in mode too.
int Install::launchWizard(const std::string& passThrough) {
    return runJavaInstaller(jvmPath, parameters.jvmExtraParameters, parameters.jvmClasspathSwitch,
                            parameters.loaderClasspath, parameters.loaderJavaCommand,
                            parameters.startGuiCommand, parameters.checkGuiRunningCommand, passThrough,
                            quiet, silent);
}

// The one error report of a failed run: the texts of the step that ended it
// (the JVM steps leave theirs in errorText and errorDetail), else the general
// ones. Both go to the logs; the first is shown.
void Install::reportFailure(RunOutcome outcome) {
    if (outcome == RunOutcome::SecurityFilesFailed) {
        errorText = "Unable to add Java security files.";
        errorDetail = kDiskSpaceHint;
    } else if (outcome == RunOutcome::WizardNotStarted || outcome == RunOutcome::BrowserNotStarted) {
        // Replaces what a failed installation of the carried JVM left.
        errorText = kWizardNotStarted;
        errorDetail = std::string(kOtherCauses) + "\n" + kDiskSpaceHint;
    }
    if (errorText.empty()) errorText = std::string("Unable to install application.\r\r") + kDiskSpaceHint;
    if (errorDetail.empty()) errorDetail = kOtherCauses;
    logAndTraceMessage(kErrorsLog, kTraceLog, errorText);
    logAndTraceMessage(kErrorsLog, kTraceLog, errorDetail);
    if (outcome == RunOutcome::NoJvmCarried && !parameters.jvmDownloadUrl.empty()) {
        offerDownload(parameters.jvmDownloadUrl);
    } else {
        showError(hDlgMain, errorText);
    }
}

// jvmDownloadUrl: the box of a run without a JVM also says where to get one and,
// unless silent, offers to open that page. Only a web address is opened: the
// shell would run a program it was given just as readily.
void Install::offerDownload(const std::string& page) {
    std::string text = errorText + "\r\rJava can be downloaded from:\r" + page;
    traceMessage(kTraceLog, "Java download page:", page);
    if (silent || !isWebAddress(page)) {
        showError(hDlgMain, text);
    } else if (askError(text, "Open this page in your browser now?")) {
        traceMessage(kTraceLog, openInBrowser(page) ? "browser started for" : "no browser could be started for",
                     page);
    }
}

int Install::getParams() {
    GetParameters reader;
    reader.setHwnd(hDlgMain);
    int result = reader.getParameters(parameters, controlFilename);
    // The author's name on every box from now on; those before kept the established one.
    if (result && !parameters.messageCaption.empty()) setBoxCaption(parameters.messageCaption);
    jvmSearchOptions = parseSearchOptions(parameters);
    if (result && jvmSearchOptions.any()) {
        traceMessage(kTraceLog, describeSearchOptions(jvmSearchOptions));
    }
    return result;
}

// Progress is not shown: the status dialog's text is fixed at start-up.
void Install::showStatusMessage(int) {}
