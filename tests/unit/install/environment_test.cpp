#include <stdlib.h>

#include <string>

#include "install/install.h"
#include "scratch.h"
#include "util/file_utils.h"

namespace {

// Sets PATH for one test and puts the old value back.
class PathEnvironmentTest : public TempDirTest {
protected:
    void SetUp() override {
        TempDirTest::SetUp();
        const char* old = getenv("PATH");
        oldPath_ = old ? old : "";
    }
    void TearDown() override {
        _putenv(("PATH=" + oldPath_).c_str());
        TempDirTest::TearDown();
    }
    void setPath(const std::string& value) { _putenv(("PATH=" + value).c_str()); }
    std::string lower(std::string text) {
        for (char& c : text) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
        return text;
    }

    std::string oldPath_;
};

TEST_F(PathEnvironmentTest, NineXHomeDirectoryFallsBackToThePath) {
    // The 9x registry source is absent in the test prefix, so PATH decides.
    std::string here = getCurrentDir();
    std::filesystem::create_directories("Windows");
    setPath(here + "\\nothing;" + here + "\\Windows");
    writeFile("jinstall.log", "");
    Install install;
    install.isWindowsNT = 0;
    EXPECT_EQ(install.getHomeDirectory(), 1);
    EXPECT_EQ(install.homeDirectory, lower(here) + "\\windows");
    EXPECT_NE(readFile("jinstall.log").find("unable to get windows directory from registry"),
              std::string::npos);
}

TEST_F(PathEnvironmentTest, NtHomeDirectoryComesFromSystemRootAsStored) {
    writeFile("jinstall.log", "");
    Install install;
    install.isWindowsNT = 1;
    EXPECT_EQ(install.getHomeDirectory(), 1);
    EXPECT_EQ(install.homeDirectory, "C:\\windows");
    std::string log = readFile("jinstall.log");
    EXPECT_NE(log.find("got home directory from SystemRoot\r\n"), std::string::npos);
    EXPECT_EQ(log.find("unable"), std::string::npos);
}

TEST_F(PathEnvironmentTest, EnvironmentSetupMarksOnlyALogItCreated) {
    {
        Install install;
        EXPECT_EQ(install.getEnvironmentSetup(), 1);
        EXPECT_TRUE(fileExists("jinstall.log") && fileExists("jinstall.sem"));
        EXPECT_EQ(install.isWindowsNT, 1);
    }
    std::remove("jinstall.sem");
    writeFile("jinstall.log", "earlier run\r\n");
    Install install;
    install.getEnvironmentSetup();
    EXPECT_FALSE(fileExists("jinstall.sem"));
    EXPECT_EQ(readFile("jinstall.log").rfind("earlier run\r\n", 0), 0u);
}

}  // namespace
