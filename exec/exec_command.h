#pragma once
#include <string>

#include "diagnostics/trace.h"

// Runs one outside program without arguments and waits until it ends. Its
// messages go to two files whose names can be set, so that they stay in the
// installation directory while the working directory is changed.
class ExecCommand : public Trace {
public:
    void setErrorsFilename(const std::string& name) { errorsFilename_ = name; }
    void setTraceFilename(const std::string& name) { traceFilename_ = name; }

    // 1 if the program was started (it has then already ended), 0 if it could not be.
    int execCommand(const std::string& command);

    // The command, enclosed in double quotes when it holds a blank and does not
    // already begin with one; recorded in jdebug.log when that file exists.
    int formatCommand(const std::string& command, std::string& result);
    int _execCommand(const std::string& formattedCommand);
    int invokeWinCommand(const std::string& formattedCommand);
    void reportExecError(const std::string& command, int spawnResult, int error);

private:
    std::string traceFilename_ = kTraceLog;
    std::string errorsFilename_ = kErrorsLog;
};
