#include <stdlib.h>

#include <string>
#include <vector>

#include "install/install.h"
#include "scratch.h"
#include "util/file_utils.h"
#include "util/text.h"

using HomeDirectoryTest = ScratchMachineTest;

// The registry values of the running family, then the search path, then the
// fixed place (the prefix has c:\windows, no c:\winnt), then the current directory.
TEST_F(HomeDirectoryTest, RegistryOfTheRunningFamilyThenPathThenFixedPlaceThenHere) {
    const std::string here = getCurrentDir(), savedPath = getenv("PATH");
    std::string lowerHere = here;
    lowerAsciiLetters(lowerHere);
    std::filesystem::create_directories("Windows");
    const std::string nt = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
    const std::string nineX = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SETUP";
    const std::string notFromRegistry = "unable to get windows directory from registry";
    const struct {
        int winNT;
        std::string key, value, text, path, home;
        std::vector<std::string> trace;
    } rows[] = {
        {1, nt, "SystemRoot", "D:\\WINNT", "", "D:\\WINNT", {"got home directory from SystemRoot"}},
        // The 9x value is not asked on NT.
        {1, nineX, "WinDir", "E:\\Win95", here + "\\Windows", here,
         {notFromRegistry, "unable to get windows directory"}},
        {0, nineX, "WinDir", "E:\\Win95", "", "E:\\Win95", {}},
        {0, nt, "SystemRoot", "D:\\WINNT", here + "\\nothing;" + here + "\\Windows", lowerHere + "\\windows",
         {notFromRegistry}},
        {0, nt, "SystemRoot", "D:\\WINNT", "", "c:\\windows", {notFromRegistry}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.home);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE");
        setMachineValue(row.key, row.value.c_str(), row.text);
        _putenv(("PATH=" + row.path).c_str());
        writeFile("jinstall.log", "");
        Install install;
        install.isWindowsNT = row.winNT;
        EXPECT_EQ(install.getHomeDirectory(), 1);
        EXPECT_EQ(install.homeDirectory, row.home);
        EXPECT_EQ(logMessages("jinstall.log"), row.trace);
    }
    _putenv(("PATH=" + savedPath).c_str());
}
