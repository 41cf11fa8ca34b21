#include "diagnostics/log.h"

#include <regex>
#include <string>
#include <vector>

#include "scratch.h"

using LogTest = TempDirTest;

TEST_F(LogTest, AppendsStampedLinesInEveryForm) {
    Log log;
    log.logMessage("test.log", "message");
    log.logMessage("test.log", "first", "second");
    log.logMessage("test.log", "flag", 5);
    log.logMessage("test.log", "flag", 0);
    log.logMessage("test.log", "");
    // The asctime stamp: "Sun Dec  6 09:05:07 2026".
    const std::string stamp = "[A-Z][a-z]{2} [A-Z][a-z]{2} [ 1-3]\\d \\d\\d:\\d\\d:\\d\\d \\d{4} ";
    const std::string bytes = readFile("test.log");
    EXPECT_TRUE(std::regex_match(bytes, std::regex("(" + stamp + "[a-z :]*\\r\\n){5}"))) << bytes;
    EXPECT_EQ(logMessages("test.log"),
              (std::vector<std::string>{"message", "first second", "flag: true", "flag: false", ""}));
}
