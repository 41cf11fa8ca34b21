#pragma once
// The values the launcher's two threads and its subsystems share for one run.
// There are no locks: each is written once before its readers start, or is
// atomic.
#include <atomic>
#include <string>
#include <vector>

#include "util/window_handle.h"

// Set by the main thread before the worker starts; the worker only reads them.
extern std::string waitInstallFilename;  // <current dir>\__kivinstall.sem
extern std::string showDialogFilename;   // <current dir>\__kivshow.sem
// The status dialog: null from the moment the user closes it.
extern std::atomic<WindowHandle> hDlgMain;

// What the main thread decided about the installation directory before the
// worker started (the launcher's own folder when the control file lies there,
// the short form of a directory the ANSI code page cannot hold): trace lines
// for the worker to write once jinstall.log exists.
extern std::vector<std::string> startupNotes;
// Why no ANSI path names the installation directory (NT); empty when one does.
// The worker then fails at once.
extern std::string installDirectoryUnnamed;

// Set by the worker as its very last act; the main thread's waits end on it,
// whatever became of the install semaphore file.
extern std::atomic<bool> workerFinished;

// The exit code an installation asks for (exitCodeReport in kiv.control), on its
// way from the worker to the main thread. The worker sets it before it removes
// __kivinstall.sem; the main thread reads it once its waits are over.
void setReportedExitCode(int code);

// False when none was set: the process then exits with the last message's code.
bool getReportedExitCode(int& code);

// How JVMs are found and tested beyond the launcher's established behaviour.
// Each is switched on by a key of kiv.control; without the keys all are off.
// Read from the control file by the worker before any JVM is looked for
// (jvm/find/search_options.h); every version test of the run follows them.
struct JvmSearchOptions {
    bool modernSearch = false;             // jvmSearchModern: today's places
    bool numericCompare = false;           // jvmVersionCompare=numeric
    unsigned long testTimeoutSeconds = 0;  // jvmTestTimeout; 0: no limit
    bool chooseNewest = false;             // jvmChoose=newest: the newest candidate first
    unsigned allowedArchs = 0;             // jvmArch as bits (jvm/find/jvm_arch.h); 0: every architecture
    std::string unknownArchs;              // words of jvmArch that name no architecture
    bool testWithOptions = false;          // jvmTestWithOptions: the test runs with the wizard's options
    std::vector<std::string> testOptions;  // those options: the words of jvmExtraParameters
    std::vector<std::string> searchKeys;   // jvmSearchKeys: keys below HKEY_LOCAL_MACHINE

    // Any of the keys: the version test runs without the Java option variables,
    // tests an executable once per search, and each candidate gets a trace line.
    bool any() const {
        return modernSearch || numericCompare || testTimeoutSeconds != 0 || chooseNewest ||
               allowedArchs != 0 || testWithOptions;
    }
};
extern JvmSearchOptions jvmSearchOptions;
