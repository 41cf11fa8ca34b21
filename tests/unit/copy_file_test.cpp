#include <direct.h>

#include <cstdio>
#include <string>

#include "temp_dir.h"
#include "util/copy_stream.h"
#include "util/file_utils.h"

namespace {

// Sizes around the 30000-byte buffer and past the 20 buffers of one pass.
class CopyFileSizeTest : public TempDirTest, public ::testing::WithParamInterface<int> {};

TEST_P(CopyFileSizeTest, CopiesEveryByte) {
    std::string bytes(static_cast<std::size_t>(GetParam()), '\0');
    for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + i / 251);
    writeFile("source.bin", bytes);
    EXPECT_EQ(copyFile("source.bin", "target.bin"), 1);
    EXPECT_TRUE(readFile("target.bin") == bytes);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CopyFileSizeTest, ::testing::Values(0, 29999, 30000, 600001));

using CopyFileTest = TempDirTest;

TEST_F(CopyFileTest, DirectorySourceLeavesTargetAlone) {
    ASSERT_EQ(_mkdir("dir"), 0);
    writeFile("target.bin", "old");
    EXPECT_EQ(copyFile("dir", "target.bin"), 0);
    EXPECT_EQ(readFile("target.bin"), "old");
}

TEST_F(CopyFileTest, MissingSourceCreatesAndTruncatesNothing) {
    EXPECT_EQ(copyFile("missing.bin", "new.bin"), 0);
    EXPECT_FALSE(fileExists("new.bin"));
    writeFile("target.bin", "old");
    EXPECT_EQ(copyFile("missing.bin", "target.bin"), 0);
    EXPECT_EQ(readFile("target.bin"), "old");
}

TEST_F(CopyFileTest, TargetInMissingDirectoryFails) {
    writeFile("source.bin", "data");
    EXPECT_EQ(copyFile("source.bin", "nodir\\target.bin"), 0);
}

TEST_F(CopyFileTest, NullStreamFails) {
    writeFile("source.bin", "data");
    FILE* in = std::fopen("source.bin", "rb");
    ASSERT_NE(in, nullptr);
    EXPECT_EQ(copyStream(in, nullptr), 0);
    EXPECT_EQ(copyStream(nullptr, in), 0);
    std::fclose(in);
}

TEST_F(CopyFileTest, UnreadableInputFailsWithoutLooping) {
    writeFile("input.bin", "data");
    FILE* in = std::fopen("input.bin", "wb");  // every read fails
    FILE* out = std::fopen("output.bin", "wb");
    ASSERT_NE(in, nullptr);
    ASSERT_NE(out, nullptr);
    EXPECT_EQ(copyStream(in, out), 0);
    std::fclose(in);
    std::fclose(out);
}

TEST_F(CopyFileTest, AppendFileAppends) {
    writeFile("source.bin", "tail\r\n");
    writeFile("target.bin", "head\n");
    EXPECT_EQ(appendFile("source.bin", "target.bin"), 1);
    EXPECT_EQ(readFile("target.bin"), "head\ntail\r\n");
}

TEST_F(CopyFileTest, CurrentDirOfDriveRootHasNoBackslash) {
    std::string here = getCurrentDir();
    EXPECT_EQ(here, dir_.string());
    ASSERT_EQ(_chdir("C:\\"), 0);
    EXPECT_EQ(getCurrentDir(), "C:");
    ASSERT_EQ(_chdir(here.c_str()), 0);
}

TEST_F(CopyFileTest, IsDirTellsFilesFromDirectories) {
    writeFile("file.txt", "x");
    ASSERT_EQ(_mkdir("dir"), 0);
    EXPECT_EQ(isDir("file.txt"), 0);
    EXPECT_EQ(isDir("dir"), 1);
    EXPECT_EQ(isDir("missing"), 0);
}

TEST_F(CopyFileTest, LogSystemChangeAppendsCrLfLines) {
    logSystemChange("first");
    logSystemChange("second");
    EXPECT_EQ(readFile("changes.txt"), "first\r\nsecond\r\n");
}

}  // namespace
