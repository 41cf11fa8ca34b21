#pragma once
#include <string>
#include <vector>

#include "diagnostics/trace.h"

// Runs one outside program, without arguments unless the installation names
// some (jvmInstallerArguments), and waits until it ends. Its
// messages go to two files whose names can be set, so that they stay in the
// installation directory while the working directory is changed.
class ExecCommand : public Trace {
public:
    void setErrorsFilename(const std::string& name) { errorsFilename_ = name; }
    void setTraceFilename(const std::string& name) { traceFilename_ = name; }

    // 1 if the program was started (it has then already ended), 0 if it could not be.
    // `arguments` reach the program as they stand: the caller quotes them.
    int execCommand(const std::string& command, const std::vector<std::string>& arguments = {});

    // The command, enclosed in double quotes when it holds a blank and does not
    // already begin with one; recorded in jdebug.log when that file exists.
    int formatCommand(const std::string& command, std::string& result);
    int _execCommand(const std::string& formattedCommand, const std::vector<std::string>& arguments);
    int invokeWinCommand(const std::string& formattedCommand, const std::vector<std::string>& arguments);
    void reportExecError(const std::string& command, int spawnResult, int error);

private:
    std::string traceFilename_ = kTraceLog;
    std::string errorsFilename_ = kErrorsLog;
};
