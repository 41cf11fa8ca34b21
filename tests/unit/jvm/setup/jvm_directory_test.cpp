#include <direct.h>
#include <stdlib.h>

#include <sstream>
#include <vector>

#include "jvm/setup/install_jvm.h"
#include "temp_dir.h"
#include "util/file_utils.h"

namespace {

// The messages of jinstall.log that begin with `prefix`, without their time stamps.
std::vector<std::string> traceLines(const std::string& prefix) {
    std::vector<std::string> lines;
    std::istringstream in(readFile("jinstall.log"));
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() >= 25 && line.compare(25, prefix.size(), prefix) == 0) {
            lines.push_back(line.substr(25));
        }
    }
    return lines;
}

// Entries ending in "\" become directories, the others empty files.
void makeEntry(const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    if (path.back() != '\\') writeFile(path, "");
}

class JvmDirectoryTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        writeFile("jinstall.log", "");  // switches the trace lines on
        cwd_ = getCurrentDir();
        installer_.getProgramFilesDirectory(programFiles_);
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
    std::string windows;
    installer_.getWindowsDirectory(windows);
    const struct {
        const char* target;
        std::string expected;  // empty: the resolution fails
    } cases[] = {
        {"[$ProgFilesDir]", ""},
        {"[$ProgFilesDir]\\", ""},
        {"[$ProgFilesDir]jre", ""},
        {"[$Home]\\jre", ""},
        {"x[$AppDir]\\jvm", cwd_ + "\\jvm"},
        {"[$ProgFilesDir]\\MyApp\\jre", programFiles_ + "\\MyApp\\jre"},
        {"[$AppDir]\\a\\[$WinDir]\\b", windows + "\\b"},  // [$WinDir] is looked for first
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

TEST_F(JvmDirectoryTest, AddDirectory) {
    writeFile("file.txt", "");
    const struct {
        const char* parent;
        const char* name;
        const char* after;  // the parent afterwards; unchanged on failure
    } cases[] = {
        {"", "d", "d"},
        {"d\\", "e", "d\\e"},
        {"d", "e", "d\\e"},
        {"", "file.txt", "file.txt"},
        {"file.txt", "x", "file.txt"},
        {"missing", "x", "missing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.parent) + " + " + c.name);
        std::string parent = c.parent;
        bool fails = std::string(c.parent) == c.after;
        EXPECT_EQ(installer_.addDirectory(parent, c.name), fails ? 0 : 1);
        EXPECT_EQ(parent, c.after);
    }
    EXPECT_EQ(traceLines("unable to add directory"),
              (std::vector<std::string>{"unable to add directory file.txt\\x",
                                        "unable to add directory missing\\x"}));
}

// The JVM name's "|" cannot be part of a file name, so every place fails and the
// trace lines show the order in which they were tried.
TEST_F(JvmDirectoryTest, SearchPathEntriesFollowTheWindowsPlaces) {
    const std::string drive = programFiles_.substr(0, programFiles_.find(':') + 1);
    const bool hadDriveJvm = fileExists(drive + "\\jvm");
    for (const char* name : {"w", "a", "b"}) _mkdir(name);
    installer_.windowsDir = cwd_ + "\\w";
    const char* saved = getPathPtr();
    const std::string savedPath = saved ? saved : "";
    _putenv(("PATH=" + cwd_ + "\\a;;" + cwd_ + "\\b;").c_str());

    std::string directory;
    EXPECT_EQ(top("1|.3.1", "x", "", directory), 0);
    _putenv(("PATH=" + savedPath).c_str());
    if (!hadDriveJvm) _rmdir((drive + "\\jvm").c_str());

    const std::string prefix = "unable to create jvm subdirectory in ";
    EXPECT_EQ(traceLines(prefix),
              (std::vector<std::string>{prefix + drive + "\\jvm", prefix + cwd_ + "\\w\\jvm",
                                        prefix + cwd_ + "\\a\\jvm", prefix + "jvm",
                                        prefix + cwd_ + "\\b\\jvm", prefix + cwd_ + "\\jvm"}));
    EXPECT_EQ(traceLines("createJvmDirectory ok"),
              std::vector<std::string>{"createJvmDirectory ok: false"});
    EXPECT_NE(readFile("errors.log").find("Unable to create a new directory to install JVM"),
              std::string::npos);
}

TEST_F(JvmDirectoryTest, WindowsSchemeUnderProgramFiles) {
    const std::string javaSoft = programFiles_ + "\\JavaSoft";
    const bool hadJavaSoft = fileExists(javaSoft);
    makeEntry(javaSoft + "\\JREunit97.31\\97.31.5\\");
    makeEntry(javaSoft + "\\JREunit97.32\\97.32.5\\bin\\javaw.exe");
    const struct {
        const char* name;
        const char* version;
        const char* expected;  // below Program Files
        int existing;
    } cases[] = {
        {"JDKunit", "97.31", "JavaSoft\\JDKunit97.31\\97.31", -1},  // first candidate 97.31.0
        {"JREunit", "97.31.5", "JavaSoft\\JREunit97.31\\Jvm97.31.5", 0},
        {"JREunit", "97.32.5", "JavaSoft\\JREunit97.32\\97.32.5", 1},
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
    EXPECT_EQ(traceLines("Unable to create: "),
              std::vector<std::string>{"Unable to create:  " + javaSoft});

    std::error_code ignored;
    for (const char* made : {"JDKunit97.31", "JREunit97.31", "JREunit97.32", "Java97.31"}) {
        std::filesystem::remove_all(javaSoft + "\\" + made, ignored);
    }
    std::filesystem::remove_all(programFiles_ + "\\JVM97.31", ignored);
    if (!hadJavaSoft) _rmdir(javaSoft.c_str());
}

}  // namespace
