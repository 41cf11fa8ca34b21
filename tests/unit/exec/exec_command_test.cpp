#include "exec/exec_command.h"

#include <string>
#include <vector>

#include "scratch.h"
#include "util/file_utils.h"

using ExecCommandTest = TempDirTest;

TEST_F(ExecCommandTest, MissingProgramGivesZeroAndThreeAlignedLinesWhereTheyAreSet) {
    writeFile("jinstall.log", "");
    std::vector<std::string> failure = {
        "Unable to execute command: \"missing dir\\setup.exe\"",
        "                   result -1",
        "                    errno 2",
    };
    EXPECT_EQ(ExecCommand().execCommand("missing dir\\setup.exe"), 0);
    EXPECT_EQ(logMessages("errors.log"), failure);
    failure.insert(failure.begin(), "about to execute command: \"missing dir\\setup.exe\"");
    EXPECT_EQ(logMessages("jinstall.log"), failure);

    std::filesystem::create_directory("logs");
    writeFile("logs\\trace.log", "");
    ExecCommand exec;
    exec.setErrorsFilename("logs\\err.log");
    exec.setTraceFilename("logs\\trace.log");
    EXPECT_EQ(exec.execCommand("\"missing dir\\setup.exe\""), 0);  // quoted already: kept as it is
    EXPECT_EQ(logMessages("logs\\err.log").size(), 3u);
    EXPECT_EQ(logMessages("logs\\trace.log"), failure);
    EXPECT_EQ(logMessages("errors.log").size() + logMessages("jinstall.log").size(), 7u);
}

// The runtime looks the program up by its bare path, while the program must see
// its own name whole, and its arguments as the caller quoted them.
TEST_F(ExecCommandTest, RunsAProgramWhosePathHoldsABlank) {
    char module[MAX_PATH];
    std::string tests(module, GetModuleFileNameA(nullptr, module, MAX_PATH));
    std::string program = (dir_ / "a b" / "setup.exe").string();
    std::filesystem::create_directory(dir_ / "a b");
    ASSERT_TRUE(copyFile(tests.substr(0, tests.rfind('\\')) + "\\jvm_double.exe", program));
    writeFile("a b\\jvm-double.txt", "exitCode=3\n");
    EXPECT_EQ(ExecCommand().execCommand(program, {"/s", "\"DIR=C:\\a b\""}), 1);
    std::string runs = readFile("a b\\jvm-runs.txt");
    EXPECT_EQ(runs.substr(0, runs.find('|')), "\"" + program + "\" /s \"DIR=C:\\a b\"");
    EXPECT_FALSE(fileExists("errors.log"));
}
