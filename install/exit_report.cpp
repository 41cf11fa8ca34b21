#include "install/exit_report.h"

#include "install/install.h"
#include "util/run_state.h"

namespace {

// Windows error codes whose system message names the failure; deployment tools
// show that message, and treat every code but 0 as a failure.
struct LauncherFailure {
    RunOutcome outcome;
    int code;
    const char* name;
    const char* why;
};

const LauncherFailure kFailures[] = {
    {RunOutcome::InstallDirUnnamed, 1619, "ERROR_INSTALL_PACKAGE_OPEN_FAILED",
     "the installation directory cannot be named in the ANSI code page and has no short name"},
    {RunOutcome::ControlFileUnusable, 1619, "ERROR_INSTALL_PACKAGE_OPEN_FAILED",
     "kiv.control could not be opened, repaired or read"},
    {RunOutcome::NoJvmCarried, 1633, "ERROR_INSTALL_PLATFORM_UNSUPPORTED",
     "no acceptable JVM on this machine, and the installation carries none"},
    {RunOutcome::CarriedJvmFailed, 1603, "ERROR_INSTALL_FAILURE",
     "the JVM the installation carries is missing or could not be installed"},
    {RunOutcome::SecurityFilesFailed, 82, "ERROR_CANNOT_MAKE",
     "the Java security files could not be installed (plug-in mode)"},
    {RunOutcome::WizardNotStarted, 1067, "ERROR_PROCESS_ABORTED",
     "the wizard did not start properly"},
    {RunOutcome::BrowserNotStarted, 1155, "ERROR_NO_ASSOCIATION",
     "no browser could be found or started for the applet page (plug-in mode)"},
};

}  // namespace

ExitReport exitReportFor(RunOutcome outcome, int wizardExitCode) {
    if (outcome == RunOutcome::WizardRan) {
        std::string why = wizardExitCode == 0 ? "with 0" : "with this code of its own";
        return {wizardExitCode, "exit code " + std::to_string(wizardExitCode) +
                                    ": the wizard proved its start and ended " + why};
    }
    if (outcome == RunOutcome::AppletPageShown)
        return {0, "exit code 0: the browser showed the applet page and has been closed"};
    for (const LauncherFailure& failure : kFailures) {
        if (failure.outcome == outcome) {
            return {failure.code, "exit code " + std::to_string(failure.code) + " (" + failure.name +
                                      "): " + failure.why};
        }
    }
    return {1603, "exit code 1603 (ERROR_INSTALL_FAILURE)"};  // not reached: every outcome is listed
}

void Install::reportExitCode(RunOutcome outcome) {
    ExitReport report = exitReportFor(outcome, wizardExitCode);
    traceMessage(kTraceLog, report.line);
    setReportedExitCode(report.code);
}
