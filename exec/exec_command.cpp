#include "exec/exec_command.h"

#include <string>
#include <vector>

#include "util/spawn.h"

namespace {

const char kDebugLog[] = "jdebug.log";

// The runtime looks the program up by this name literally, so the quotes that
// keep a path with blanks whole on the child's command line must not be in it.
std::string programPath(const std::string& formattedCommand) {
    std::string::size_type length = formattedCommand.size();
    if (length >= 2 && formattedCommand[0] == '"' && formattedCommand[length - 1] == '"')
        return formattedCommand.substr(1, length - 2);
    return formattedCommand;
}

}  // namespace

int ExecCommand::execCommand(const std::string& command) {
    std::string formatted;
    formatCommand(command, formatted);
    return _execCommand(formatted);
}

int ExecCommand::formatCommand(const std::string& command, std::string& result) {
    result = command;
    if (command.find(' ') != std::string::npos && command[0] != '"') result = "\"" + command + "\"";
    traceMessage(kDebugLog, "formattedCommand", result);
    return 1;
}

int ExecCommand::_execCommand(const std::string& formattedCommand) {
    return invokeWinCommand(formattedCommand);
}

int ExecCommand::invokeWinCommand(const std::string& formattedCommand) {
    traceMessage(traceFilename_.c_str(), "about to execute command:", formattedCommand);
    SpawnResult spawned = spawnAndWait(programPath(formattedCommand), {formattedCommand});
    if (!spawned.started) reportExecError(formattedCommand, -1, spawned.error);
    return spawned.started ? 1 : 0;
}

void ExecCommand::reportExecError(const std::string& command, int spawnResult, int error) {
    const char* errors = errorsFilename_.c_str();
    const char* trace = traceFilename_.c_str();
    logAndTraceMessage(errors, trace, "Unable to execute command:", command);
    logAndTraceMessage(errors, trace, "                   result", std::to_string(spawnResult));
    logAndTraceMessage(errors, trace, "                    errno", std::to_string(error));
}
