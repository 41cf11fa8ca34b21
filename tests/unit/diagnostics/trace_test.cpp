#include "diagnostics/trace.h"

#include <regex>
#include <string>
#include <vector>

#include "temp_dir.h"
#include "util/file_utils.h"

namespace {

// Each line: the 24-character asctime stamp, a blank, the message, CR LF.
// The messages used here hold no regex metacharacters.
void expectLines(const std::string& file, const std::vector<std::string>& messages) {
    std::string pattern;
    for (const std::string& message : messages) {
        pattern += "[A-Z][a-z]{2} [A-Z][a-z]{2} ( [1-9]|[12]\\d|3[01]) \\d\\d:\\d\\d:\\d\\d \\d{4} " + message +
                   "\\r\\n";
    }
    std::string bytes = readFile(file);
    EXPECT_TRUE(std::regex_match(bytes, std::regex(pattern))) << file << ": " << bytes;
}

using LogTest = TempDirTest;

TEST_F(LogTest, TraceWritesOnlyToExistingFile) {
    Trace trace;
    trace.traceMessage("trace.log", "lost");
    trace.traceMessage("trace.log", "lost", 1);
    EXPECT_FALSE(fileExists("trace.log"));
    writeFile("trace.log", "");
    trace.traceMessage("trace.log", "kept");
    trace.traceMessage("trace.log", "first", "second");
    trace.traceMessage("trace.log", "flag", 0);
    expectLines("trace.log", {"kept", "first second", "flag: false"});
}

TEST_F(LogTest, LogAndTraceAlwaysWritesLog) {
    Trace trace;
    trace.logAndTraceMessage("errors.log", "trace.log", "failed");
    EXPECT_FALSE(fileExists("trace.log"));
    writeFile("trace.log", "");
    trace.logAndTraceMessage("errors.log", "trace.log", "again", 2);
    trace.logAndTraceMessage("errors.log", "trace.log", "first", "second");
    expectLines("errors.log", {"failed", "again: true", "first second"});
    expectLines("trace.log", {"again: true", "first second"});
}

}  // namespace
