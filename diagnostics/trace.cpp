#include "diagnostics/trace.h"

#include "diagnostics/log_text.h"
#include "util/file_utils.h"
#include "util/run_files.h"

void Trace::traceMessage(const char* traceFile, const std::string& message) {
    if (fileExists(traceFile)) logMessage(traceFile, message);
}

void Trace::traceMessage(const char* traceFile, const std::string& first, const std::string& second) {
    traceMessage(traceFile, joinMessages(first, second));
}

void Trace::traceMessage(const char* traceFile, const std::string& message, int flag) {
    traceMessage(traceFile, flagMessage(message, flag));
}

void Trace::logAndTraceMessage(const char* logFile, const char* traceFile, const std::string& message) {
    logMessage(logFile, message);
    traceMessage(traceFile, message);
}

void Trace::logAndTraceMessage(const char* logFile, const char* traceFile, const std::string& first,
                               const std::string& second) {
    logAndTraceMessage(logFile, traceFile, joinMessages(first, second));
}

void Trace::logAndTraceMessage(const char* logFile, const char* traceFile, const std::string& message,
                               int flag) {
    logAndTraceMessage(logFile, traceFile, flagMessage(message, flag));
}
