#include "jvm/find/jvm_ok.h"

#include <cstdio>
#include <filesystem>
#include <string>

#include "scratch.h"
#include "util/file_utils.h"

namespace {

using JvmOkTest = TempDirTest;

// Without TestJvm.class every existing executable passes, so only the names are tested here.
TEST_F(JvmOkTest, JreNameFallsBackToTheJavaNameAndIsRestoredOnFailure) {
    std::filesystem::create_directories("home/bin");
    writeFile("home/bin/javaw.exe", "MZ");
    writeFile("jinstall.sem", "");
    std::string home = getCurrentDir() + "\\home";
    JvmOk check;
    std::string name = "jrew.exe", path;
    EXPECT_EQ(check.jvmCorrectVersion("1.3", "", "", home, name, path), 1);
    EXPECT_EQ(name, "javaw.exe");
    EXPECT_EQ(path, home + "\\bin\\javaw.exe");

    name = "jrew.exe";
    EXPECT_EQ(check.jvmCorrectVersion("1.3", "", "", "1.2", home, name, path), 0);  // registry text
    EXPECT_EQ(name, "jrew.exe");

    std::remove("jinstall.sem");  // the console twin is looked for now, and is missing
    EXPECT_EQ(check.jvmCorrectVersion("1.3", "", "", home, name, path), 0);
    EXPECT_EQ(name, "jrew.exe");
    EXPECT_EQ(path, home + "\\bin\\java.exe");  // the last path tried
}

}  // namespace
