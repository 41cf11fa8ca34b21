#include "util/replace_file.h"

#include <cstdio>
#include <string>

#include "scratch.h"
#include "util/file_utils.h"

using ReplaceFileTest = TempDirTest;

// Windows 95, 98 and Me: no one-step replace, and here the steps named in
// `failingSteps` fail ("rename from>to", "remove name").
static std::string failingSteps;

static int renameUnlessFailing(const char* from, const char* to) {
    if (failingSteps.find(std::string("rename ") + from + ">" + to) != std::string::npos) return 0;
    return systemFileSteps().rename(from, to);
}

static int removeUnlessFailing(const char* name) {
    if (failingSteps.find(std::string("remove ") + name) != std::string::npos) return 0;
    return systemFileSteps().remove(name);
}

const FileSteps kWindows95Steps = {[](const char*, const char*) { return -1; }, renameUnlessFailing,
                                   removeUnlessFailing};

TEST_F(ReplaceFileTest, ReplacementInStepsNeverLosesTheFileAndTheNextStartPutsItRight) {
    auto content = [](const char* name) { return fileExists(name) ? readFile(name) : "-"; };
    // The steps that fail, the result, the target and the backup afterwards ("-": missing), and
    // the target after the next start.
    const struct { const char* failing; int result; const char *target, *backup, *restored; } rows[] = {
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
}
