#include "jvm/setup/install_jvm.h"

#include <cstdio>
#include <string>

#include "scratch.h"
#include "util/file_utils.h"

using InstallJvmTest = ScratchMachineTest;

TEST_F(InstallJvmTest, VendorInstallerOnlyForTrueOrYesOnTheFirstKeyLine) {
    writeFile("jinstall.log", "");
    const char* rows[][3] = {  // kiv.control, __kivwizard.sem (null: none), "1": the vendor installer
        {"jvmThirdPartyInstaller=TRUE\n", nullptr, "1"},
        {"jvmThirdPartyInstaller=1\n", nullptr, "0"},
        {"jvmThirdPartyInstaller=yes \n", nullptr, "0"},
        {"jvmThirdPartyInstaller= yes\n", nullptr, "0"},
        {" jvmThirdPartyInstaller=yes\n", nullptr, "0"},
        {"jvmName=JRE\njvmThirdPartyInstaller=Yes\njvmThirdPartyInstaller=no\n", nullptr, "1"},
        {"jvmThirdPartyInstaller=no\njvmThirdPartyInstaller=yes\n", "jvmThirdPartyInstaller=yes\n", "0"},
        {nullptr, "jvmThirdPartyInstaller=yes\n", "1"},
        {nullptr, nullptr, "0"},
    };
    for (const auto& row : rows) {
        std::remove("kiv.control");
        std::remove("__kivwizard.sem");
        if (row[0]) writeFile("kiv.control", row[0]);
        if (row[1]) writeFile("__kivwizard.sem", row[1]);
        EXPECT_EQ(InstallJvm().thirdPartyInstaller(), row[2][0] - '0') << (row[0] ? row[0] : row[1]);
    }
    EXPECT_EQ(logMessages("jinstall.log"),
              std::vector<std::string>{"unable to open kiv.control file defaulting to uncompressing JVM"});
}

// The program is looked for in the installation directory whatever directory
// the control file names; a blank in the path gives way to the short name.
TEST_F(InstallJvmTest, InstallerCommandInADirectoryWithABlank) {
    std::filesystem::create_directory("a b");
    ASSERT_EQ(_chdir("a b"), 0);
    const std::string here = getCurrentDir();
    writeFile("setup.exe", "MZ");
    InstallJvm jvm;
    std::string command;
    EXPECT_EQ(jvm.getJvmInstallerCommand("jre/setup.exe", command), 1);
    char longName[MAX_PATH] = {};
    GetLongPathNameA(command.c_str(), longName, MAX_PATH);
    EXPECT_EQ(longName, here + "\\setup.exe");
    EXPECT_EQ(command.find(' '), std::string::npos) << command;
    // A missing file has no short name: the whole path is quoted instead.
    EXPECT_EQ(jvm.getJvmInstallerCommand("missing.exe", command), 0);
    EXPECT_EQ(command, "\"" + here + "\\missing.exe\"");
}

// A predefined directory that holds an acceptable JVM (without TestJvm.class any
// executable passes) is taken as it is: nothing is run (the extractor named is
// missing), __temp.log stays, and jvmHomeDir then names the home.
TEST_F(InstallJvmTest, ExistingJvmIsTakenAsItIsAndJvmHomeDirNamesItsHome) {
    const std::string here = getCurrentDir();
    std::string elsewhere = here + "\\elsewhere";
    for (char& c : elsewhere) c = c == '\\' ? '/' : c;
    for (const char* home : {"jvm\\bin", "jvm\\jre\\bin", "elsewhere\\bin"}) {
        std::filesystem::create_directories(home);
        writeFile(std::string(home) + "\\javaw.exe", "MZ");
    }
    const std::string rows[][3] = {  // the predefined directory, jvmHomeDir, the home ("": none)
        {"[$AppDir]\\jvm", "", here + "\\jvm"},
        {"[$AppDir]\\jvm", "./jre", here + "\\jvm\\jre"},
        {"[$AppDir]\\jvm", elsewhere, here + "\\elsewhere"},
        {"[$AppDir]\\new\\jvm", "./jre", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row[0] + " " + row[1]);
        writeFile("__temp.log", "");
        InstallJvm jvm;
        std::string name = "javaw.exe", predefined = row[0], homeDir = row[1], path;
        const int installed = row[2].empty() ? 0 : 1;
        EXPECT_EQ(jvm.installJvm("1.3", "", "", "1.3.1", "JRE", name, "setup.exe", predefined, homeDir, path,
                                 "C:\\windows"), installed);
        if (installed) EXPECT_EQ(path, row[2] + "\\bin\\javaw.exe");
        EXPECT_EQ(jvm.existingJvmFound, installed);
        EXPECT_EQ(jvm.newJvmInstalled, 0);
        EXPECT_EQ(fileExists("__temp.log"), installed);
    }
    EXPECT_TRUE(isDir(here + "\\new\\jvm"));
}
