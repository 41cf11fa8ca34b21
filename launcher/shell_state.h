#pragma once
#include <windows.h>

#include <atomic>
#include <string>

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

// How the installation directory is named, decided by the main thread before the
// worker starts. On NT a directory that the ANSI code page cannot hold has been
// made current in its short form; `startDirectoryNote` then holds the trace line
// that says so, for the worker to write once jinstall.log exists. When no ANSI
// path names it at all, `installDirectoryUnnamed` is set, the note says why, and
// the worker fails at once.
extern std::string startDirectoryNote;
extern bool installDirectoryUnnamed;

// The exit code an installation asks for (exitCodeReport in kiv.control), on its
// way from the worker to the main thread. The worker sets it before it removes
// __kivinstall.sem; the main thread reads it once its waits are over.
void setReportedExitCode(int code);

// False when none was set: the process then exits as it always has.
bool getReportedExitCode(int& code);
