#include <direct.h>

#include <cstdio>
#include <string>

#include "control/get_parameters.h"
#include "temp_dir.h"
#include "util/copy_stream.h"
#include "util/file_utils.h"
#include "util/replace_file.h"

namespace {

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

using CopyFileTest = TempDirTest;

TEST_F(CopyFileTest, FailedCopyLeavesTargetAlone) {
    ASSERT_EQ(_mkdir("dir"), 0);
    writeFile("source.bin", "data");
    writeFile("target.bin", "old");
    EXPECT_EQ(copyFile("dir", "target.bin"), 0);
    EXPECT_EQ(copyFile("missing.bin", "target.bin"), 0);
    EXPECT_EQ(readFile("target.bin"), "old");
    EXPECT_EQ(copyFile("missing.bin", "new.bin"), 0);
    EXPECT_FALSE(fileExists("new.bin"));
    EXPECT_EQ(copyFile("source.bin", "nodir\\target.bin"), 0);
}

TEST_F(CopyFileTest, CopyStreamFailsOnBadStreamsWithoutLooping) {
    // Write-only, so every read fails; it holds data, so a copy that read nothing
    // cannot pass as complete.
    FILE* in = std::fopen("input.bin", "wb");
    FILE* out = std::fopen("output.bin", "wb");
    ASSERT_NE(in, nullptr);
    ASSERT_NE(out, nullptr);
    std::fputs("data", in);
    EXPECT_EQ(copyStream(in, out), 0);
    EXPECT_EQ(copyStream(in, nullptr), 0);
    EXPECT_EQ(copyStream(nullptr, out), 0);
    std::fclose(in);
    std::fclose(out);
}

TEST_F(CopyFileTest, AppendFileAppends) {
    writeFile("source.bin", "tail\r\n");
    EXPECT_EQ(appendFile("source.bin", "new.bin"), 1);
    writeFile("target.bin", "head\n");
    EXPECT_EQ(appendFile("source.bin", "target.bin"), 1);
    EXPECT_EQ(readFile("target.bin"), "head\ntail\r\n");
}

TEST_F(CopyFileTest, AppendingAFileToItselfDoublesItOnce) {
    // A file within one pass is read whole before the first byte is written,
    // so the copy never reads what it has just appended.
    std::string content(599999, 'x');
    content[0] = 'a';
    content.back() = 'z';
    writeFile("self.bin", content);
    EXPECT_EQ(appendFile("self.bin", "self.bin"), 1);
    EXPECT_EQ(readFile("self.bin"), content + content);
}

TEST_F(CopyFileTest, CurrentDirOfDriveRootHasNoBackslash) {
    std::string here = getCurrentDir();
    EXPECT_EQ(here, dir_.string());
    ASSERT_EQ(_chdir("C:\\"), 0);
    EXPECT_EQ(getCurrentDir(), "C:");  // the fixture changes back
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

// Windows 95, 98 and Me: no one-step replace, and here the steps named in
// `failingSteps` fail ("rename from>to", "remove name").
std::string failingSteps;

int noOneStep(const char*, const char*) {
    return -1;
}

int renameUnlessFailing(const char* from, const char* to) {
    if (failingSteps.find(std::string("rename ") + from + ">" + to) != std::string::npos) return 0;
    return systemFileSteps().rename(from, to);
}

int removeUnlessFailing(const char* name) {
    if (failingSteps.find(std::string("remove ") + name) != std::string::npos) return 0;
    return systemFileSteps().remove(name);
}

const FileSteps kWindows95Steps = {noOneStep, renameUnlessFailing, removeUnlessFailing};

TEST_F(CopyFileTest, ReplacementInStepsNeverLosesTheFileAndTheNextStartPutsItRight) {
    auto content = [](const char* name) { return fileExists(name) ? readFile(name) : "-"; };
    const struct {
        const char* failing;
        int result;
        const char* target;  // "-": missing
        const char* backup;
        const char* restored;  // the target after the next start
    } rows[] = {
        {"", 1, "new", "-", "new"},
        {"rename target>backup", 0, "old", "-", "old"},
        {"rename copy>target", 0, "old", "-", "old"},
        {"remove backup", 1, "new", "old", "new"},
        {"rename copy>target rename backup>target", 0, "-", "old", "old"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.failing);
        writeFile("target", "old");
        writeFile("copy", "new");
        failingSteps = row.failing;
        EXPECT_EQ(replaceFile("copy", "target", "backup", kWindows95Steps), row.result);
        EXPECT_EQ(content("target"), row.target);
        EXPECT_EQ(content("backup"), row.backup);
        failingSteps.clear();
        restoreLeftoverBackup("target", "backup", systemFileSteps());
        EXPECT_EQ(content("target"), row.restored);
        EXPECT_EQ(content("backup"), "-");
        std::remove("copy");
    }
    // The control file's repair begins by putting right what an earlier run left.
    writeFile("__kivold.control", "jvmName=JRE\n");
    EXPECT_EQ(GetParameters().convertLineEndings("kiv.control"), 1);
    EXPECT_EQ(content("kiv.control"), "jvmName=JRE\r\n");
    EXPECT_EQ(content("__kivold.control"), "-");
}

}  // namespace
