#include "launcher/worker.h"

#include <process.h>

#include <cstdio>
#include <memory>

#include "launcher/command_line.h"
#include "launcher/shell_state.h"
#include "util/file_utils.h"
#include "util/run_files.h"

void __cdecl startMainThread(void* argument) {
    CommandLine commandLine;
    {
        std::unique_ptr<std::string> text(static_cast<std::string*>(argument));
        commandLine = parseCommandLine(*text);
    }
    // The clean-up program may be replaced by the installation; the copy is what runs at the end.
    copyFile(kCleanupProgram, kCleanupCopy);
    startProgram(commandLine.quiet, commandLine.silent, commandLine.passThrough);
    // The worker's last signal: the main thread ends its waits and hands over.
    std::remove(waitInstallFilename.c_str());
    workerFinished = true;
    _endthread();
}
