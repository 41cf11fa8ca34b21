#include <stdlib.h>

#include <string>
#include <vector>

#include "jvm/setup/install_jvm.h"
#include "scratch.h"
#include "util/file_utils.h"

// Entries ending in "\" become directories, the others empty files.
static void makeEntries(const std::string& base, const std::vector<std::string>& entries) {
    std::filesystem::create_directories(base);
    for (const std::string& entry : entries) {
        std::filesystem::create_directories(std::filesystem::path(base + "\\" + entry).parent_path());
        if (entry.back() != '\\') writeFile(base + "\\" + entry, "");
    }
}

// Program Files is a scratch directory here.
class JvmDirectoryTest : public ScratchMachineTest {
protected:
    void SetUp() override {
        ScratchMachineTest::SetUp();
        cwd_ = getCurrentDir();
        writeFile("jinstall.log", "");  // switches the trace lines on
        makeEntries(cwd_, {"pf\\", "w\\", "a\\", "b\\"});
        setMachineValue("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", cwd_ + "\\pf");
    }

    InstallJvm installer_;
    std::string cwd_, command_ = "javaw.exe", path_;
    int existing_ = -1;
};

// In a place (the Windows directory, a PATH entry) the JVM goes to
// jvm\<name><main>\<main>, unless that holds no acceptable JVM.
TEST_F(JvmDirectoryTest, SubdirectoryCandidates) {
    const struct { std::vector<std::string> present; std::string expected; int existing; } cases[] = {
        {{}, "jvm\\jre1.3\\1.3", -1},
        {{"jvm\\jre1.3\\1.3\\bin\\javaw.exe"}, "jvm\\jre1.3\\1.3", 1},
        {{"jvm\\jre1.3\\1.3\\"}, "jvm\\jre1.3\\jre1.3", -1},
        {{"jvm\\jre1.3\\1.3\\", "jvm\\jre1.3\\jre1.3\\"}, "jvm\\jre1.3", 0},
        {{"jvm\\jre1.3\\1.3\\", "jvm\\jre1.3\\jre1.3\\javaw.exe"}, "jvm\\jre1.3\\jre1.3", 1},
    };
    int row = 0;
    for (const auto& c : cases) {
        const std::string base = cwd_ + "\\base" + std::to_string(++row);
        makeEntries(base, c.present);
        std::string directory = base;
        existing_ = -1;
        EXPECT_EQ(installer_.createJvmSubdirectory("", "", "", "1.3.1", "JRE", command_, directory, path_,
                                                   existing_), 1);
        EXPECT_EQ(directory, base + "\\" + c.expected);
        EXPECT_TRUE(isDir(directory)) << directory;
        EXPECT_EQ(existing_, c.existing) << directory;
    }
}

// The JVM name's "|" cannot be part of a file name, so every place fails and the
// trace lines show the order in which they were tried.
TEST_F(JvmDirectoryTest, PlacesAfterProgramFilesInTheirOrder) {
    const bool hadDriveJvm = fileExists("C:\\jvm");
    installer_.windowsDir = cwd_ + "\\w";
    const std::string savedPath = getPathPtr() ? getPathPtr() : "";
    _putenv(("PATH=" + cwd_ + "\\a;;" + cwd_ + "\\b;").c_str());
    std::string directory;
    EXPECT_EQ(installer_.createJvmDirectory("", "", "", "1|.3.1", "x", command_, "", directory, path_,
                                            existing_), 0);
    _putenv(("PATH=" + savedPath).c_str());
    if (!hadDriveJvm) std::filesystem::remove("C:\\jvm");

    std::vector<std::string> tried;
    const std::string prefix = "unable to create jvm subdirectory in ";
    for (const std::string& line : logMessages("jinstall.log")) {
        if (line.compare(0, prefix.size(), prefix) == 0) tried.push_back(line.substr(prefix.size()));
    }
    EXPECT_EQ(tried, (std::vector<std::string>{"C:\\jvm", cwd_ + "\\w\\jvm", cwd_ + "\\a\\jvm", "jvm",
                                               cwd_ + "\\b\\jvm", cwd_ + "\\jvm"}));
    EXPECT_TRUE(logged("errors.log", "Unable to create a new directory to install JVM"));
}
