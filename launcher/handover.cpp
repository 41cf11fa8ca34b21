#include "launcher/handover.h"

#include <process.h>
#include <string.h>

#include <cstdio>

#include "util/quoting.h"

void handOverToCleanup(const std::string& currentDir, const std::string& startDir) {
    if (startDir.empty() || _stricmp(startDir.c_str(), currentDir.c_str()) == 0) {
        std::remove("__cleanup.exe");
        std::remove("cleanup.exe");
        return;
    }
    // _spawnv does not quote: a directory with a blank would arrive as two arguments.
    std::string directory = quoteIfBlank(currentDir);
    const char* const arguments[] = {"__cleanup.exe", directory.c_str(), nullptr};
    _spawnv(_P_NOWAIT, "__cleanup.exe", arguments);
}
