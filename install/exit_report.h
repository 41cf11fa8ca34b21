#pragma once
#include <string>

// The exit code for unattended installations, switched on by
// exitCodeReport=true in kiv.control. Without it the launcher exits with the
// wParam of the last message its waits took.

// How a run ended, as far as its exit code tells.
enum class RunOutcome {
    WizardRan,            // the wizard proved its start: its own exit code
    AppletPageShown,      // plug-in mode: the browser was started and has been closed
    InstallDirUnnamed,    // no ANSI path names the installation directory (NT)
    ControlFileUnusable,  // kiv.control could not be opened, repaired or read
    NoJvmCarried,         // no acceptable JVM on the machine, none carried
    CarriedJvmFailed,     // the carried JVM is missing or could not be installed
    SecurityFilesFailed,  // plug-in mode only: there the security files are essential
    WizardNotStarted,     // after the second attempt, where there is one
    BrowserNotStarted,    // plug-in mode, and the wizard was not tried instead
};

struct ExitReport {
    int code;
    std::string line;  // for jinstall.log: the code and why it was chosen
};

ExitReport exitReportFor(RunOutcome outcome, int wizardExitCode);
