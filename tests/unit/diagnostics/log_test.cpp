#include "diagnostics/log.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <string>

#include "scratch.h"

using LogTest = TempDirTest;

// Each line goes to its file and, while term.log exists, to standard output too.
TEST_F(LogTest, TermLogEchoesEveryLineToStandardOutput) {
    std::fflush(stdout);
    const int saved = _dup(1);
    const int echo = _open("echo.txt", _O_WRONLY | _O_CREAT | _O_TRUNC | _O_TEXT, _S_IREAD | _S_IWRITE);
    ASSERT_EQ(_dup2(echo, 1), 0);
    Log log;
    log.logMessage("test.log", "not echoed");
    writeFile("term.log", "");
    log.logMessage("test.log", "echoed", 0);
    std::fflush(stdout);
    _dup2(saved, 1);
    _close(echo);
    _close(saved);
    EXPECT_EQ(logMessages("test.log"), (std::vector<std::string>{"not echoed", "echoed: false"}));
    const std::string lines = readFile("test.log");
    EXPECT_EQ(readFile("echo.txt"), lines.substr(lines.find('\n') + 1));
}
