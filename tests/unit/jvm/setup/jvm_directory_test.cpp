#include <direct.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "jvm/setup/install_jvm.h"
#include "scratch.h"
#include "util/file_utils.h"

namespace {

// Entries ending in "\" become directories, the others empty files.
void makeEntry(const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (path.back() != '\\') writeFile(path, "");
}

// Program Files and the Windows directory are scratch directories here.
class JvmDirectoryTest : public ScratchMachineTest {
protected:
    void SetUp() override {
        ScratchMachineTest::SetUp();
        writeFile("jinstall.log", "");  // switches the trace lines on
        cwd_ = getCurrentDir();
        programFiles_ = cwd_ + "\\pf";
        makeEntry(programFiles_ + "\\");
        setMachineValue("SOFTWARE\\Microsoft\\Windows\\CurrentVersion", "ProgramFilesDir", programFiles_);
        setMachineValue("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", "SystemRoot", cwd_ + "\\w");
    }

    int top(const std::string& version, const std::string& name, const std::string& predefined,
            std::string& directory) {
        existing_ = -1;
        return installer_.createJvmDirectory("", "", "", version, name, command_, predefined, directory,
                                             path_, existing_);
    }

    InstallJvm installer_;
    std::string cwd_, programFiles_, command_ = "javaw.exe", path_;
    int existing_ = -1;
};

TEST_F(JvmDirectoryTest, PredefinedDirectoryVariables) {
    const struct {
        const char* target;
        std::string expected;  // empty: the resolution fails
    } cases[] = {
        {"[$ProgFilesDir]\\", ""},
        {"[$ProgFilesDir]jre", ""},
        {"[$Home]\\jre", ""},
        {"x[$AppDir]\\jvm", cwd_ + "\\jvm"},
        {"[$ProgFilesDir]\\MyApp\\jre", programFiles_ + "\\MyApp\\jre"},
        {"[$AppDir]\\a\\[$WinDir]\\b", cwd_ + "\\w\\b"},  // [$WinDir] is looked for first
        {"D:\\plain\\jre", "D:\\plain\\jre"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        std::string result = "stale";
        EXPECT_EQ(installer_.getNewInstallJvmTo(c.target, result), c.expected.empty() ? 0 : 1);
        EXPECT_EQ(result, c.expected);
    }
}

TEST_F(JvmDirectoryTest, PredefinedDirectoryIsCreatedOrAdopted) {
    makeEntry(cwd_ + "\\Ready\\bin\\javaw.exe");
    const struct {
        const char* target;
        std::string directory;
        int existing;
    } cases[] = {
        {"[$AppDir]\\Apps\\Vm\\jre", cwd_ + "\\Apps\\Vm\\jre", 0},
        {"[$AppDir]\\Ready", cwd_ + "\\Ready", 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.target);
        std::string directory;
        EXPECT_EQ(top("1.3.1", "JRE", c.target, directory), 1);
        EXPECT_EQ(directory, c.directory);
        EXPECT_TRUE(isDir(c.directory));
        EXPECT_EQ(existing_, c.existing);
    }
    EXPECT_EQ(path_, cwd_ + "\\Ready\\bin\\javaw.exe");
}

TEST_F(JvmDirectoryTest, SubdirectoryCandidates) {
    const struct {
        std::vector<std::string> present;
        std::string expected;
        int existing;
    } cases[] = {
        {{}, "jvm\\jre1.3\\1.3", -1},
        {{"jvm\\jre1.3\\1.3\\bin\\javaw.exe"}, "jvm\\jre1.3\\1.3", 1},
        {{"jvm\\jre1.3\\1.3\\"}, "jvm\\jre1.3\\jre1.3", -1},
        {{"jvm\\jre1.3\\1.3\\", "jvm\\jre1.3\\jre1.3\\"}, "jvm\\jre1.3", 0},
        {{"jvm\\jre1.3\\1.3\\", "jvm\\jre1.3\\jre1.3\\javaw.exe"}, "jvm\\jre1.3\\jre1.3", 1},
    };
    int row = 0;
    for (const auto& c : cases) {
        const std::string base = cwd_ + "\\base" + std::to_string(++row);
        SCOPED_TRACE(base);
        _mkdir(base.c_str());
        for (const std::string& entry : c.present) makeEntry(base + "\\" + entry);
        std::string directory = base;
        existing_ = -1;
        EXPECT_EQ(installer_.createJvmSubdirectory("", "", "", "1.3.1", "JRE", command_, directory,
                                                   path_, existing_),
                  1);
        EXPECT_EQ(directory, base + "\\" + c.expected);
        EXPECT_TRUE(isDir(directory));
        EXPECT_EQ(existing_, c.existing);
    }
}

// The JVM name's "|" cannot be part of a file name, so every place fails and the
// trace lines show the order in which they were tried.
TEST_F(JvmDirectoryTest, SearchPathEntriesFollowTheWindowsPlaces) {
    const bool hadDriveJvm = fileExists("C:\\jvm");
    for (const char* name : {"w", "a", "b"}) _mkdir(name);
    installer_.windowsDir = cwd_ + "\\w";
    const char* saved = getPathPtr();
    const std::string savedPath = saved ? saved : "";
    _putenv(("PATH=" + cwd_ + "\\a;;" + cwd_ + "\\b;").c_str());

    std::string directory;
    EXPECT_EQ(top("1|.3.1", "x", "", directory), 0);
    _putenv(("PATH=" + savedPath).c_str());
    if (!hadDriveJvm) _rmdir("C:\\jvm");

    std::vector<std::string> tried;
    const std::string prefix = "unable to create jvm subdirectory in ";
    for (const std::string& line : logMessages("jinstall.log")) {
        if (line.compare(0, prefix.size(), prefix) == 0) tried.push_back(line.substr(prefix.size()));
    }
    EXPECT_EQ(tried, (std::vector<std::string>{"C:\\jvm", cwd_ + "\\w\\jvm", cwd_ + "\\a\\jvm", "jvm",
                                               cwd_ + "\\b\\jvm", cwd_ + "\\jvm"}));
    EXPECT_TRUE(logged("errors.log", "Unable to create a new directory to install JVM"));
}

TEST_F(JvmDirectoryTest, WindowsSchemeUnderProgramFiles) {
    makeEntry(programFiles_ + "\\JavaSoft\\JRE97.31\\97.31.5\\");
    makeEntry(programFiles_ + "\\JavaSoft\\JRE97.32\\97.32.5\\bin\\javaw.exe");
    const struct {
        const char* name;
        const char* version;
        const char* expected;  // below Program Files
        int existing;
    } cases[] = {
        {"JDK", "97.31", "JavaSoft\\JDK97.31\\97.31", -1},  // first candidate 97.31.0
        {"JRE", "97.31.5", "JavaSoft\\JRE97.31\\Jvm97.31.5", 0},
        {"JRE", "97.32.5", "JavaSoft\\JRE97.32\\97.32.5", 1},
        {"Unit", "97.31.5", "JVM97.31\\97.31.5", -1},
        {"JRE|x", "97.31.5", "JavaSoft\\Java97.31\\97.31.5", -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        std::string directory;
        EXPECT_EQ(top(c.version, c.name, "", directory), 1);
        EXPECT_EQ(directory, programFiles_ + "\\" + c.expected);
        EXPECT_TRUE(isDir(directory));
        EXPECT_EQ(existing_, c.existing);
    }
}

}  // namespace
