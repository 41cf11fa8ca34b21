#include "diagnostics/log.h"

#include <cstdio>
#include <ctime>

#include "diagnostics/log_text.h"
#include "util/file_utils.h"
#include "util/run_files.h"
#include "util/unique_file.h"

namespace {

std::string currentTimeStamp() {
    std::time_t now = std::time(nullptr);
    const std::tm* local = std::localtime(&now);
    return local ? timeStampText(*local) : std::string();
}

}  // namespace

void Log::logMessage(const char* file, const std::string& message) {
    UniqueFile out = openFile(file, "a+t");
    if (!out) return;
    std::string line = logLine(currentTimeStamp(), message);
    std::fputs(line.c_str(), out.get());
    out.reset();
    // term.log switches on an echo of every line, for watching a run from a console.
    if (fileExists(kEchoSwitch)) {
        std::fputs(line.c_str(), stdout);
        std::fflush(stdout);
    }
}

void Log::logMessage(const char* file, const std::string& first, const std::string& second) {
    logMessage(file, joinMessages(first, second));
}

void Log::logMessage(const char* file, const std::string& message, int flag) {
    logMessage(file, flagMessage(message, flag));
}
