#pragma once
#include <string>

#include "diagnostics/log.h"
#include "diagnostics/status.h"
#include "util/run_files.h"

// The base of every working class: it writes log lines, trace lines (only to a
// trace file that already exists, so diagnostics are switched on by creating an
// empty file) and shows boxes.
class Trace : public Log, public Status {
public:
    void traceMessage(const char* traceFile, const std::string& message);
    void traceMessage(const char* traceFile, const std::string& first, const std::string& second);
    void traceMessage(const char* traceFile, const std::string& message, int flag);

    // Failures: always to the log file, and to the trace file while it exists.
    void logAndTraceMessage(const char* logFile, const char* traceFile, const std::string& message);
    void logAndTraceMessage(const char* logFile, const char* traceFile, const std::string& first,
                            const std::string& second);
    void logAndTraceMessage(const char* logFile, const char* traceFile, const std::string& message,
                            int flag);
};
