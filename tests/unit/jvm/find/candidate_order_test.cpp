#include "jvm/find/candidate_order.h"

#include <gtest/gtest.h>

#include "jvm/find/search_text.h"

// Newest first, unknown last; among equal versions 64-bit first; then the search order.
TEST(CandidateOrderTest, NewestFirstThen64BitThenSearchOrder) {
    const std::vector<RankedJvm> candidates = {
        {"1.8.0_401", JvmArch::x64}, {"", JvmArch::x64},       {"17.0.2", JvmArch::x86},
        {"17.0.2", JvmArch::x64},    {"21", JvmArch::unknown}, {"17.0.2.0", JvmArch::x86},
        {"", JvmArch::x86},          {"9", JvmArch::arm64},
    };
    EXPECT_EQ(newestFirst(candidates), (std::vector<std::size_t>{4, 3, 2, 5, 7, 0, 1, 6}));
    EXPECT_EQ(newestFirst({}), std::vector<std::size_t>());
}

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
