#pragma once
#include <string>

#include "diagnostics/log.h"
#include "diagnostics/status.h"

// The two files the working classes write. Failures always go to the log;
// progress goes to the trace file only while it exists.
extern const char kErrorsLog[];  // "errors.log"
extern const char kTraceLog[];   // "jinstall.log"

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
