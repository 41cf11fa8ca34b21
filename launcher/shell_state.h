#pragma once
#include <windows.h>

#include <atomic>
#include <string>
#include <vector>

// Values the main thread sets before the worker starts. The worker only reads
// them; hDlgMain may become null at any time when the user closes the dialog.
extern std::string waitInstallFilename;  // <current dir>\__kivinstall.sem
extern std::string showDialogFilename;   // <current dir>\__kivshow.sem
extern std::atomic<HWND> hDlgMain;
extern int postedQuit;
// Set by the worker as its very last act; the main thread's waits end on it,
// whatever became of the install semaphore file.
extern std::atomic<bool> workerFinished;
extern HINSTANCE hInst;

// What the main thread decided about the installation directory before the
// worker started (the launcher's own folder when the control file lies there,
// the short form of a directory the ANSI code page cannot hold): trace lines
// for the worker to write once jinstall.log exists.
extern std::vector<std::string> startupNotes;
// Why no ANSI path names the installation directory (NT); empty when one does.
// The worker then fails at once.
extern std::string installDirectoryUnnamed;

// The exit code an installation asks for (exitCodeReport in kiv.control), on its
// way from the worker to the main thread. The worker sets it before it removes
// __kivinstall.sem; the main thread reads it once its waits are over.
void setReportedExitCode(int code);

// False when none was set: the process then exits as it always has.
bool getReportedExitCode(int& code);
