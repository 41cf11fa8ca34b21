#include "launcher/elevation.h"

#include <windows.h>
#include <process.h>
#include <shellapi.h>

#include "control/first_key_line.h"
#include "diagnostics/trace.h"
#include "launcher/command_line.h"
#include "launcher/execution_level.h"
#include "util/ansi_path.h"
#include "util/file_utils.h"
#include "util/run_files.h"
#include "util/run_state.h"
#include "util/shell.h"
#include "util/system_function.h"
#include "util/token.h"
#include "util/win_handles.h"

namespace {

const int kElevationRequired = 740;  // ERROR_ELEVATION_REQUIRED
const int kUserCancelled = 1602;     // ERROR_INSTALL_USEREXIT: msiexec's code for a user's cancel

const char kNeedsAdministrator[] =
    "This installation needs administrator rights.\r\rStart it again as an administrator, or ask your "
    "administrator to install it.";
const char kPromptRefused[] =
    "The installation has been cancelled: it asked for administrator rights, and they were refused.\r\r"
    "Start it again and answer Yes when Windows asks whether to allow it to make changes.";

unsigned long systemVersion() {
    return GetVersion();
}

unsigned long startAgainElevated(const std::string& tail, int showCommand, unsigned long& exitCode) {
    UniqueModule shell = loadShellLibrary();
    if (!shell) return GetLastError();
    using ShellExecuteExFunction = BOOL(WINAPI*)(SHELLEXECUTEINFOA*);
    auto execute = moduleFunction<ShellExecuteExFunction>(shell.get(), "ShellExecuteExA");
    const AnsiPath program = ansiPathOf(ownProgramPath());
    if (execute == nullptr) return ERROR_PROC_NOT_FOUND;
    if (program.kind == AnsiPath::Kind::unnamed) return ERROR_FILE_NOT_FOUND;
    const std::string directory = getCurrentDir();
    SHELLEXECUTEINFOA info = {};
    info.cbSize = sizeof info;
    // The shell's own error box would stand beside the launcher's.
    info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    info.lpVerb = "runas";
    info.lpFile = program.path.c_str();
    info.lpParameters = tail.c_str();
    // An elevated process does not inherit the current directory.
    info.lpDirectory = directory.c_str();
    info.nShow = showCommand;
    if (!execute(&info)) return GetLastError();
    if (info.hProcess == nullptr) return ERROR_INVALID_HANDLE;
    int code = 0;
    // Waits, and closes the process handle.
    if (_cwait(&code, reinterpret_cast<intptr_t>(info.hProcess), 0) == -1) return ERROR_INVALID_HANDLE;
    exitCode = static_cast<unsigned long>(code);
    return 0;
}

const char* levelName(ExecutionLevel level) {
    return level == ExecutionLevel::requireAdministrator ? "requireAdministrator" : "highestAvailable";
}

// The run ends here: the reason to errors.log and the trace, and a box, which
// an unattended run leaves to the trace.
int endRun(int code, const std::string& why, const char* text, bool unattended) {
    const char* name = code == kElevationRequired ? "ERROR_ELEVATION_REQUIRED" : "ERROR_INSTALL_USEREXIT";
    Trace trace;
    trace.logAndTraceMessage(kErrorsLog, kTraceLog, text);
    trace.logAndTraceMessage(kErrorsLog, kTraceLog,
                             why + ": exit code " + std::to_string(code) + " (" + name + ")");
    if (unattended) setBoxesShown(false);
    trace.showError(nullptr, text);
    return code;
}

// This process writes one trace line, starts the other and takes its exit code;
// a failed start ends the run or, for highestAvailable, lets it run as started.
bool startAgain(const ElevationFacts& facts, const std::string& why, const char* tail, int showCommand,
                int& exitCode, const ElevationQueries& queries) {
    if (fileExists(kTraceLog)) Log().logMessage(kTraceLog, why);
    unsigned long started = 0;
    const unsigned long error = queries.startAgain(markedCommandTail(tail), showCommand, started);
    if (error == 0) {
        exitCode = static_cast<int>(started);
        return true;
    }
    const std::string key = std::string("executionLevel=") + levelName(facts.level);
    if (error == ERROR_CANCELLED) {
        exitCode = endRun(kUserCancelled, key + ": the UAC prompt was refused", kPromptRefused, false);
        return true;
    }
    const std::string failed =
        key + ": could not start again (Windows error " + std::to_string(static_cast<int>(error)) + ")";
    if (facts.level == ExecutionLevel::requireAdministrator) {
        exitCode = endRun(kElevationRequired, failed, kNeedsAdministrator, false);
        return true;
    }
    startupNotes.push_back(failed + ": runs as started");
    return false;
}

}  // namespace

const ElevationQueries& systemElevationQueries() {
    static const ElevationQueries queries = {systemVersion, tokenElevated, tokenLimited, startAgainElevated};
    return queries;
}

bool elevationEndsRun(char* commandTail, int showCommand, int& exitCode, const ElevationQueries& queries) {
    char none[] = "";
    if (commandTail == nullptr) commandTail = none;
    ElevationFacts facts;
    facts.startedAgain = removeStartedAgainMarker(commandTail);
    std::string value;
    bool found = false;
    // First line that carries the key, before the repair, as exitCodeReport.
    if (!readFirstKeyLine(kControlFile, kRepairedControlFile, "executionLevel", value, found) || !found) return false;
    facts.level = executionLevelNamed(value);
    // Without an ANSI name for its directory the run fails at once; rights would not help it.
    if (facts.level == ExecutionLevel::asInvoker || !installDirectoryUnnamed.empty()) return false;
    facts.beforeVista = isBeforeVista(queries.windowsVersion());
    if (!facts.beforeVista) {
        facts.elevated = queries.elevated();
        facts.limited = queries.limited();
    }
    facts.unattended = parseCommandLine(commandTail).silent && exitCodeReportWanted();
    std::string why;
    switch (elevationStep(facts, value, why)) {
    case ElevationStep::startAgain:
        return startAgain(facts, why, commandTail, showCommand, exitCode, queries);
    case ElevationStep::elevationRequired:
        exitCode = endRun(kElevationRequired, why, kNeedsAdministrator, facts.unattended);
        return true;
    case ElevationStep::runAsStarted:
        break;
    }
    if (!why.empty()) startupNotes.push_back(why);
    return false;
}
