#include <string>

#include "jvm/setup/install_jvm.h"
#include "scratch.h"

using SystemDirsTest = ScratchMachineTest;

const char kWindowsKey[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
const char kNtKey[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

TEST_F(SystemDirsTest, ProgramFilesFromTheFirstKeyThatOpens) {
    writeFile("jinstall.log", "");
    InstallJvm jvm;
    std::string result;
    EXPECT_EQ(jvm.getProgramFilesDirectory(result), 1);  // no key: the fixed place, which exists
    EXPECT_EQ(result, "C:\\Program Files");
    setMachineValue(kNtKey, "ProgramFilesDir", "D:\\NT Programs");
    EXPECT_EQ(jvm.getProgramFilesDirectory(result), 1);
    EXPECT_EQ(result, "D:\\NT Programs");
    // The first key decides even without the value.
    setMachineValue(kWindowsKey, "Other", "");
    EXPECT_EQ(jvm.getProgramFilesDirectory(result), 0);
    EXPECT_EQ(result, "");
    EXPECT_EQ(logMessages("jinstall.log"),
              std::vector<std::string>{"Unable to find Program Files directory in registry"});
}

// Each source is added in front of those already there, and takes over; an
// empty value counts as none. Wine is of the NT family.
TEST_F(SystemDirsTest, WindowsDirectoryFromTheNtSourcesInTheirOrder) {
    InstallJvm jvm;
    std::string result = "stale";
    setMachineValue(kNtKey, "SystemRoot", "");
    EXPECT_EQ(jvm.getWindowsDirectory(result), 0);  // and no c:\winnt
    EXPECT_EQ(result, "");
    const std::string sources[][3] = {
        {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SETUP", "WinDir", "E:\\NineX"},
        {"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SETUP", "WinDir", "D:\\Setup"},
        {kNtKey, "WinDir", "D:\\WinDir"},
        {kNtKey, "PathName", "D:\\PathName"},
        {kNtKey, "SystemRoot", "D:\\WINNT"},
    };
    for (const auto& source : sources) {
        setMachineValue(source[0], source[1].c_str(), source[2]);
        EXPECT_EQ(jvm.getWindowsDirectory(result), 1);
        EXPECT_EQ(result, source[2]);
    }
}
