#pragma once
// The files of a run, all named relative to the installation directory: the
// control file, the launcher's logs and markers, and the files it shares with
// the wizard and the clean-up program.

inline constexpr char kControlFile[] = "kiv.control";
inline constexpr char kRepairedControlFile[] = "__kiv.control";
inline constexpr char kControlBackup[] = "__kivold.control";  // the original, while it is replaced in steps

inline constexpr char kErrorsLog[] = "errors.log";    // failures, always written
inline constexpr char kTraceLog[] = "jinstall.log";   // the trace, written only while it exists
inline constexpr char kTraceMarker[] = "jinstall.sem";  // this run created jinstall.log itself
inline constexpr char kDebugLog[] = "jdebug.log";
inline constexpr char kLocaleLog[] = "locale.log";
inline constexpr char kEchoSwitch[] = "term.log";     // its existence echoes every log line
inline constexpr char kSetupLog[] = "kivpand.log";    // the unpacker's, copied with the others

inline constexpr char kInstallSemaphore[] = "__kivinstall.sem";  // the worker is working
inline constexpr char kShowSemaphore[] = "__kivshow.sem";        // the status dialog is wanted
inline constexpr char kWizardSemaphore[] = "__kivwizard.sem";    // the wizard's proof of start

inline constexpr char kNativeProperties[] = "native.properties";  // which JVM runs the wizard
inline constexpr char kStartDirFile[] = "startdir.txt";
inline constexpr char kChangesFile[] = "changes.txt";
inline constexpr char kCleanupProgram[] = "cleanup.exe";
inline constexpr char kCleanupCopy[] = "__cleanup.exe";
inline constexpr char kWizardJar[] = "install.jar";
inline constexpr char kSwingJar[] = "swingall.jar";
inline constexpr char kTestClass[] = "TestJvm.class";
inline constexpr char kVersionFile[] = "jvmGood.txt";
