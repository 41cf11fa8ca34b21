#include "jvm/find/search_text.h"

#include <gtest/gtest.h>

TEST(SearchTextTest, VersionsTheKeysAndReleaseFilesGive) {
    EXPECT_EQ(releaseJavaVersion("IMPLEMENTOR=\"Eclipse Adoptium\"\r\nJAVA_VERSION=\"17.0.2\"\r\nJAVA_VERSION=\"x\""),
              "17.0.2");
    EXPECT_EQ(releaseJavaVersion("JAVA_VERSION_DATE=\"2022-01-18\"\n"), "");
    EXPECT_EQ(keyNameVersion("zulu-17"), "17");
    EXPECT_EQ(keyNameVersion("17.0.2.8"), "17.0.2.8");
    EXPECT_EQ(keyNameVersion("current"), "");
    EXPECT_EQ(javaVersionOfKeyName("8.0.392.8"), "1.8.0_392");
    EXPECT_EQ(javaVersionOfKeyName("8.0.392"), "1.8.0_392");
    for (const char* name : {"1.8", "8.0", "8.0.392.8.1", "8.1.392.8", "8.0.x.8", "8.0.392.", "11.0.21.9"}) {
        EXPECT_EQ(javaVersionOfKeyName(name), name);
    }
}

TEST(SearchTextTest, PathFoldersThatNameAHome) {
    EXPECT_EQ(binFolderHome("C:\\jdk-17\\BIN"), "C:\\jdk-17");
    EXPECT_EQ(binFolderHome("C:\\jdk-17\\binaries"), "");
    EXPECT_EQ(binFolderHome("\\bin"), "");
    EXPECT_TRUE(startsWithFolder("C:\\ProgramData\\Oracle\\Java\\javapath_target_7", "c:\\programdata\\oracle\\java\\javapath"));
    EXPECT_FALSE(startsWithFolder("C:\\Windows", ""));
}

// PATH entries: only absolute ones count anywhere; elevated, only those inside Program Files.
TEST(SearchTextTest, AbsolutePathsAndFoldersInsideProgramFiles) {
    const struct { const char* path; bool absolute, inside; } cases[] = {
        {"C:\\Program Files", true, true},                {"c:\\PROGRAM FILES\\jdk.1\\bin", true, true},
        {"C:\\Program Files\\\\jdk\\bin", true, true},      {"\\\\server\\share\\jdk\\bin", true, false},
        {"C:\\Program Files Evil\\jdk\\bin", true, false},   {"D:\\Program Files\\jdk", true, false},
        {"C:\\Program Files\\..\\evil\\bin", true, false}, {"C:\\Program Files\\jdk/../../evil", true, false},
        {"C:\\Program Files\\...\\bin", true, false},       {"C:\\Program Files\\. \\bin", true, false},
        {"jdk\\bin", false, false}, {".\\bin", false, false},   {"C:bin", false, false},
        {"\\jdk\\bin", false, false}, {"1:\\bin", false, false}, {"\\\\server", false, false},
        {"\\\\server\\", false, false}, {"\\\\\\share", false, false}, {"", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(isAbsolutePath(c.path), c.absolute) << c.path;
        EXPECT_EQ(isInsideFolder(c.path, "C:\\Program Files"), c.inside) << c.path;
    }
    EXPECT_TRUE(isNetworkPath("\\\\server\\share") && !isNetworkPath("C:\\jdk") && !isInsideFolder("C:\\x", ""));
}
