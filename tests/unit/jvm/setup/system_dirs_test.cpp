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
