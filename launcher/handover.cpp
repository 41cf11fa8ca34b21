#include "launcher/handover.h"

#include <process.h>

#include <cstdio>

#include "util/quoting.h"
#include "util/run_files.h"
#include "util/text.h"

void handOverToCleanup(const std::string& currentDir, const std::string& startDir) {
    if (startDir.empty() || equalsIgnoringCase(startDir, currentDir)) {
        std::remove(kCleanupCopy);
        std::remove(kCleanupProgram);
        return;
    }
    // _spawnv does not quote: a directory with a blank would arrive as two arguments.
    std::string directory = quoteIfBlank(currentDir);
    const char* const arguments[] = {kCleanupCopy, directory.c_str(), nullptr};
    _spawnv(_P_NOWAIT, kCleanupCopy, arguments);
}
