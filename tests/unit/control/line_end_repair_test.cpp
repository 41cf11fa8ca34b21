#include "control/line_end_repair.h"

#include <windows.h>

#include <cstdio>
#include <string>

#include "scratch.h"
#include "util/file_utils.h"

using LineEndRepairTest = TempDirTest;

namespace {

// Windows 95, 98 and Me: no one-step replace, so the repair goes in steps.
bool failRenameToTarget = false;

int renameStep(const char* from, const char* to) {
    if (failRenameToTarget && std::string(from) == "__kiv.control") return 0;
    return systemFileSteps().rename(from, to);
}

const FileSteps kStepwise = {[](const char*, const char*) { return -1; }, renameStep,
                             [](const char* name) { return systemFileSteps().remove(name); }};
// NT, where the one-step replace is refused (a scanner holds the file, a redirector says no).
const FileSteps kRefused = {[](const char*, const char*) { return 0; }, renameStep,
                            [](const char* name) { return systemFileSteps().remove(name); }};

const char kOriginal[] = "jvmName=Sun\njvmVersion=1.3.1\r\n";

LineEndRepair repair(const FileSteps& steps) {
    return repairLineEnds("kiv.control", "__kiv.control", "__kivold.control", steps);
}

}  // namespace

TEST_F(LineEndRepairTest, AControlFileThatCannotBeReplacedIsKeptAsItIsWithNoCopyLeft) {
    const struct { const char* name; bool readOnly, renameFails; const FileSteps* steps; LineEndRepair kept; } rows[] = {
        {"read-only, 9x steps", true, false, &kStepwise, LineEndRepair::keptReadOnly},
        {"9x: the copy does not move", false, true, &kStepwise, LineEndRepair::keptInPlace},
        {"NT: the replace is refused", false, false, &kRefused, LineEndRepair::keptInPlace},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        writeFile("kiv.control", kOriginal);
        if (row.readOnly) SetFileAttributesA("kiv.control", FILE_ATTRIBUTE_READONLY);
        failRenameToTarget = row.renameFails;
        EXPECT_EQ(repair(*row.steps), row.kept);
        failRenameToTarget = false;
        EXPECT_EQ(readFile("kiv.control"), kOriginal);
        EXPECT_FALSE(fileExists("__kiv.control"));
        EXPECT_FALSE(fileExists("__kivold.control"));
        EXPECT_STRNE(keptReason(row.kept), "");
        SetFileAttributesA("kiv.control", FILE_ATTRIBUTE_NORMAL);
    }
}
