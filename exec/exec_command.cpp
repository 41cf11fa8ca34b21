#include "exec/exec_command.h"

#include <string>
#include <vector>

#include "util/quoting.h"
#include "util/run_files.h"
#include "util/spawn.h"

int ExecCommand::execCommand(const std::string& command, const std::vector<std::string>& arguments) {
    std::string formatted;
    formatCommand(command, formatted);
    return _execCommand(formatted, arguments);
}

int ExecCommand::formatCommand(const std::string& command, std::string& result) {
    result = quoteProgramIfBlank(command);
    traceMessage(kDebugLog, "formattedCommand", result);
    return 1;
}

int ExecCommand::_execCommand(const std::string& formattedCommand, const std::vector<std::string>& arguments) {
    return invokeWinCommand(formattedCommand, arguments);
}

int ExecCommand::invokeWinCommand(const std::string& formattedCommand, const std::vector<std::string>& arguments) {
    std::vector<std::string> argv(1, formattedCommand);
    std::string shown = formattedCommand;
    for (const std::string& argument : arguments) {
        argv.push_back(argument);
        shown += " " + argument;
    }
    traceMessage(traceFilename_.c_str(), "about to execute command:", shown);
    // The runtime looks the program up by its path literally: the quotes that keep
    // it whole on the child's command line must not be in it.
    SpawnResult spawned = spawnAndWait(unquoteProgram(formattedCommand), argv);
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
