#include "exec/exec_command.h"

#include <windows.h>

#include <string>
#include <vector>

#include "temp_dir.h"
#include "util/file_utils.h"

namespace {

// The messages of a log file, each line without its 24-character stamp and blank.
std::vector<std::string> messages(const std::string& file) {
    std::vector<std::string> result;
    std::string bytes = readFile(file);
    std::string::size_type start = 0, end;
    while ((end = bytes.find("\r\n", start)) != std::string::npos) {
        result.push_back(bytes.substr(start, end - start).substr(25));
        start = end + 2;
    }
    EXPECT_EQ(start, bytes.size()) << file << " ends in a partial line";
    return result;
}

std::string testsDirectory() {
    char module[MAX_PATH];
    std::string path(module, GetModuleFileNameA(nullptr, module, MAX_PATH));
    return path.substr(0, path.rfind('\\'));
}

using ExecCommandTest = TempDirTest;

TEST_F(ExecCommandTest, QuotesACommandWithABlankUnlessAlreadyQuoted) {
    const struct {
        const char* command;
        const char* formatted;
    } cases[] = {
        {"C:\\Program Files\\x\\setup.exe", "\"C:\\Program Files\\x\\setup.exe\""},
        {"\"C:\\Program Files\\x\\setup.exe\"", "\"C:\\Program Files\\x\\setup.exe\""},
        {"C:\\PROGRA~1\\x\\setup.exe", "C:\\PROGRA~1\\x\\setup.exe"},
        {"C:\\x\\setup.exe /s /v", "\"C:\\x\\setup.exe /s /v\""},
    };
    writeFile("jdebug.log", "");
    std::vector<std::string> expected;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        ExecCommand exec;
        std::string formatted = "stale";
        EXPECT_EQ(exec.formatCommand(c.command, formatted), 1);
        EXPECT_EQ(formatted, c.formatted);
        expected.push_back(std::string("formattedCommand ") + c.formatted);
    }
    EXPECT_EQ(messages("jdebug.log"), expected);
}

TEST_F(ExecCommandTest, FormattingIsRecordedOnlyWhenJdebugLogExists) {
    ExecCommand exec;
    std::string formatted;
    exec.formatCommand("a b", formatted);
    EXPECT_FALSE(fileExists("jdebug.log"));
}

TEST_F(ExecCommandTest, MissingProgramGivesZeroAndThreeAlignedLines) {
    writeFile("jinstall.log", "");
    ExecCommand exec;
    EXPECT_EQ(exec.execCommand("missing dir\\setup.exe"), 0);
    std::vector<std::string> failure = {
        "Unable to execute command: \"missing dir\\setup.exe\"",
        "                   result -1",
        "                    errno 2",
    };
    EXPECT_EQ(messages("errors.log"), failure);
    failure.insert(failure.begin(), "about to execute command: \"missing dir\\setup.exe\"");
    EXPECT_EQ(messages("jinstall.log"), failure);
}

TEST_F(ExecCommandTest, SetFileNamesReplaceTheDefaults) {
    std::string logs = (dir_ / "logs").string();
    std::filesystem::create_directory(logs);
    writeFile(logs + "\\trace.log", "");
    writeFile("jinstall.log", "");
    ExecCommand exec;
    exec.setErrorsFilename(logs + "\\err.log");
    exec.setTraceFilename(logs + "\\trace.log");
    EXPECT_EQ(exec.execCommand("missing.exe"), 0);
    EXPECT_EQ(messages(logs + "\\err.log").size(), 3u);
    EXPECT_EQ(messages(logs + "\\trace.log").size(), 4u);
    EXPECT_FALSE(fileExists("errors.log"));
    EXPECT_EQ(readFile("jinstall.log"), "");
}

// The runtime looks the program up by its bare path, while the program must see
// its own name whole.
TEST_F(ExecCommandTest, RunsAProgramWhosePathHoldsABlank) {
    std::string program = (dir_ / "a b" / "setup.exe").string();
    std::filesystem::create_directory(dir_ / "a b");
    ASSERT_TRUE(copyFile(testsDirectory() + "\\jvm_double.exe", program));
    writeFile((dir_ / "a b" / "jvm-double.txt").string(), "exitCode=3\n");
    ExecCommand exec;
    EXPECT_EQ(exec.execCommand(program), 1);
    std::string runs = readFile((dir_ / "a b" / "jvm-runs.txt").string());
    EXPECT_EQ(runs.substr(0, runs.find('|')), "\"" + program + "\"");
    EXPECT_FALSE(fileExists("errors.log"));
}

}  // namespace
