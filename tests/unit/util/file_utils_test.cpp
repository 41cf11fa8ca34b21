#include "util/file_utils.h"

#include <direct.h>

#include <string>

#include "scratch.h"

// Sizes around one 30000-byte buffer and past the 20 buffers of one pass.
class CopyFileSizeTest : public TempDirTest, public ::testing::WithParamInterface<int> {};

TEST_P(CopyFileSizeTest, CopiesEveryByte) {
    std::string bytes(static_cast<std::size_t>(GetParam()), '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
    writeFile("source.bin", bytes);
    EXPECT_EQ(copyFile("source.bin", "target.bin"), 1);
    EXPECT_TRUE(readFile("target.bin") == bytes);  // no dump of 600 kB on failure
}

INSTANTIATE_TEST_SUITE_P(Sizes, CopyFileSizeTest, ::testing::Values(0, 29999, 30000, 600001));

using FileUtilsTest = TempDirTest;

TEST_F(FileUtilsTest, FailedCopyLeavesTargetAlone) {
    ASSERT_EQ(_mkdir("dir"), 0);
    writeFile("source.bin", "data");
    writeFile("target.bin", "old");
    EXPECT_EQ(copyFile("dir", "target.bin"), 0);
    EXPECT_EQ(copyFile("missing.bin", "target.bin"), 0);
    EXPECT_EQ(readFile("target.bin"), "old");
    EXPECT_EQ(copyFile("missing.bin", "new.bin"), 0);
    EXPECT_FALSE(fileExists("new.bin"));
}

TEST_F(FileUtilsTest, AppendingAFileToItselfDoublesItOnce) {
    // A file within one pass is read whole before the first byte is written,
    // so the copy never reads what it has just appended.
    std::string content(599999, 'x');
    content[0] = 'a';
    content.back() = 'z';
    writeFile("self.bin", content);
    EXPECT_EQ(appendFile("self.bin", "self.bin"), 1);
    EXPECT_EQ(readFile("self.bin"), content + content);
}

TEST_F(FileUtilsTest, CurrentDirOfDriveRootHasNoBackslash) {
    EXPECT_EQ(getCurrentDir(), dir_.string());
    ASSERT_EQ(_chdir("C:\\"), 0);
    EXPECT_EQ(getCurrentDir(), "C:");  // the fixture changes back
}
