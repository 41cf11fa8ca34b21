// Test double for the installation run by the worker thread, scripted through
// files in the installation directory:
//   __hold.sem      the worker waits while it exists (to watch the main thread's waits);
//   __message.txt   its text is shown in the plain message box;
//   __error.txt     its text is shown in the error box.
// It writes what the shell passed it to __worker-args.txt ("quiet silent|argument").
// Then it lets the status dialog go and reports failure, like an empty installation.
#include <windows.h>

#include <cstdio>
#include <string>

#include "double_support.h"
#include "diagnostics/status.h"
#include "launcher/shell_state.h"
#include "launcher/worker.h"
#include "util/file_utils.h"

int startProgram(int quiet, int silent, const std::string& passThrough) {
    std::string args = std::to_string(quiet) + " " + std::to_string(silent) + "|" + passThrough;
    writeFile("__worker-args.txt", args, "wb");
    while (fileExists("__hold.sem")) Sleep(20);
    Status status;
    std::string text;
    if (readFile("__message.txt", text)) status.showMessage(text);
    text.clear();
    if (readFile("__error.txt", text)) status.showError(nullptr, text);
    std::remove(showDialogFilename.c_str());
    return 0;
}
