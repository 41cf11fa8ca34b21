#include "install/install.h"

#include <string>

#include "util/run_state.h"
#include "scratch.h"
#include "util/file_utils.h"

using InstallTest = TempDirTest;

// No ANSI path names the installation directory (NT, 8.3 names switched off):
// nothing is built on a broken path; the run fails at once with the general
// report and, unattended with the report, with its own code.
TEST_F(InstallTest, AnInstallationDirectoryThatNoAnsiPathNamesEndsTheRunBeforeAnythingIsRead) {
    const std::string control = "exitCodeReport=true\njvmName=JRE\n";
    writeFile("kiv.control", control);
    installDirectoryUnnamed = "The installation directory C:\\<U+0443> cannot be named";
    Install install;
    EXPECT_EQ(install.install(0, 1, "C:\\target"), 0);
    installDirectoryUnnamed.clear();
    setBoxesShown(true);

    int code = 0;
    EXPECT_TRUE(getReportedExitCode(code));
    EXPECT_EQ(code, 1619);
    EXPECT_TRUE(logged("errors.log", "The installation directory C:\\<U+0443> cannot be named"));
    EXPECT_TRUE(logged("errors.log", std::string("Unable to install application.\r\r") + kDiskSpaceHint));
    EXPECT_EQ(readFile("kiv.control"), control);  // not even repaired
}
