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

#include "diagnostics/status.h"
#include "launcher/shell_state.h"
#include "launcher/worker.h"
#include "util/file_utils.h"

namespace {

bool readText(const char* path, std::string& text) {
    FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char buffer[4096];
    size_t length = std::fread(buffer, 1, sizeof buffer, file);
    std::fclose(file);
    text.assign(buffer, length);
    return true;
}

}  // namespace

int startProgram(int quiet, int silent, const std::string& passThrough) {
    if (FILE* args = std::fopen("__worker-args.txt", "wb")) {
        std::fprintf(args, "%d %d|%s", quiet, silent, passThrough.c_str());
        std::fclose(args);
    }
    while (fileExists("__hold.sem")) Sleep(20);
    Status status;
    std::string text;
    if (readText("__message.txt", text)) status.showMessage(text);
    if (readText("__error.txt", text)) status.showError(nullptr, text);
    std::remove(showDialogFilename.c_str());
    return 0;
}
