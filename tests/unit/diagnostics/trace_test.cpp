#include "diagnostics/trace.h"

#include <string>
#include <vector>

#include "scratch.h"
#include "util/file_utils.h"

using TraceTest = TempDirTest;

TEST_F(TraceTest, TracesOnlyToAnExistingFileAndFailuresAlwaysToTheLog) {
    Trace trace;
    trace.logAndTraceMessage("errors.log", "trace.log", "failed");
    EXPECT_FALSE(fileExists("trace.log"));
    writeFile("trace.log", "");
    trace.traceMessage("trace.log", "kept");
    trace.logAndTraceMessage("errors.log", "trace.log", "again", 2);
    trace.logAndTraceMessage("errors.log", "trace.log", "first", "second");
    EXPECT_EQ(logMessages("errors.log"), (std::vector<std::string>{"failed", "again: true", "first second"}));
    EXPECT_EQ(logMessages("trace.log"), (std::vector<std::string>{"kept", "again: true", "first second"}));
}
