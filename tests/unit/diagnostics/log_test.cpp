#include "diagnostics/log.h"

#include <regex>
#include <string>
#include <vector>

#include "temp_dir.h"

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

TEST_F(LogTest, AppendsStampedLinesInEveryForm) {
    Log log;
    log.logMessage("test.log", "message");
    log.logMessage("test.log", "first", "second");
    log.logMessage("test.log", "flag", 5);
    log.logMessage("test.log", "flag", -1);
    log.logMessage("test.log", "flag", 0);
    log.logMessage("test.log", "");
    expectLines("test.log",
                {"message", "first second", "flag: true", "flag: true", "flag: false", ""});
}

}  // namespace
