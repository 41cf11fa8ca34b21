// Installations of the plug-in kind run an applet in the user's browser.
#include <windows.h>

#include <cstdio>

#include "install/install.h"
#include "util/file_utils.h"
#include "util/quoting.h"
#include "util/run_state.h"
#include "util/shell.h"
#include "util/spawn.h"
#include "util/system_function.h"
#include "util/text.h"
#include "util/win_handles.h"

namespace {

const char kFallbackPage[] = "installapp2.html";

using FindExecutableFunction = HINSTANCE(WINAPI*)(const char* file, const char* directory,
                                                  char* program);

// The program the shell associates with a page file in `directory`, or empty.
std::string associatedProgram(const std::string& page, const std::string& directory) {
    UniqueModule shell = loadShellLibrary();
    if (!shell) return std::string();
    auto findExecutable = moduleFunction<FindExecutableFunction>(shell.get(), "FindExecutableA");
    if (findExecutable == nullptr) return std::string();
    char program[MAX_PATH] = "";
    HINSTANCE found = findExecutable(page.c_str(), directory.c_str(), program);
    if (reinterpret_cast<INT_PTR>(found) <= 32) return std::string();
    return program;
}

}  // namespace

int Install::launchApplet(const std::string& appletUrl) {
    std::string page = afterLastSlash(appletUrl);
    std::string current = getCurrentDir();
    std::string browser = page.empty() ? std::string() : associatedProgram(page, current);
    if (browser.empty()) browser = associatedProgram(kFallbackPage, current);
    if (browser.empty()) return 0;

    std::remove(showDialogFilename.c_str());
    traceMessage(kTraceLog, browser, appletUrl);
    showMessage("Please exit your browser now to complete the configuration for this installation.\n\n"
                "Make sure you are connected to the Internet until the installation finishes.");
    // Exactly two arguments: a URL with a blank must still arrive as one.
    SpawnResult run = spawnAndWait(browser, {fileNameOf(browser), quoteIfBlankAndUnquoted(appletUrl)});
    if (!run.started) {
        logAndTraceMessage(kErrorsLog, kTraceLog, "Unable to find browser. Start browser and go to URL: ",
                           appletUrl);
        showError(hDlgMain, "Unable to find broswer.\n");
        return 0;
    }
    return 1;
}
