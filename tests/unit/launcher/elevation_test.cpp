#include "launcher/elevation.h"

#include <string>

#include "diagnostics/status.h"
#include "launcher/execution_level.h"
#include "util/run_state.h"
#include "scratch.h"

// The roads that the process tests cannot take: Wine makes neither a standard
// user's token nor an elevated process that was started again.
TEST(ExecutionLevelTest, StartsAgainOnlyWhereThePromptCanGiveRightsAndNeverTwice) {
    EXPECT_EQ(executionLevelNamed("REQUIREadministrator"), ExecutionLevel::requireAdministrator);
    ElevationFacts facts;
    std::string why;
    facts.level = ExecutionLevel::requireAdministrator;
    EXPECT_EQ(elevationStep(facts, "x", why), ElevationStep::startAgain);  // the prompt asks for an administrator
    facts.elevated = facts.startedAgain = true;
    EXPECT_EQ(elevationStep(facts, "x", why), ElevationStep::runAsStarted);
    facts = ElevationFacts();
    facts.level = ExecutionLevel::highestAvailable;
    EXPECT_EQ(elevationStep(facts, "x", why), ElevationStep::runAsStarted);  // no prompt raises a standard user
    facts.limited = facts.unattended = true;
    EXPECT_EQ(elevationStep(facts, "x", why), ElevationStep::runAsStarted);
    facts.level = ExecutionLevel::unknown;
    facts.unattended = false;
    EXPECT_EQ(elevationStep(facts, "admin", why), ElevationStep::runAsStarted);
}

namespace {

std::string startedWith;
unsigned long startResult;

unsigned long startAgain(const std::string& tail, int, unsigned long& exitCode) {
    startedWith = tail;
    exitCode = 3010;
    return startResult;
}

const ElevationQueries kLimitedOnWindows10 = {+[] { return 0x4A61000AUL; }, +[] { return false; },
                                               +[] { return true; }, startAgain};

}  // namespace

using ElevationTest = TempDirTest;

// What the prompt answers comes through the seam: under Wine it never refuses.
TEST_F(ElevationTest, ThePromptDecidesTheExitCodeAndARefusalOrAFailedStartIsReported) {
    // The level, the prompt's answer, the exit code (-1: the run goes on), the last line of errors.log.
    const struct { const char* level; unsigned long error; int exitCode; const char* errorLine; } rows[] = {
        {"requireAdministrator", 0, 3010, ""},  // the process started again decides
        {"highestAvailable", ERROR_CANCELLED, 1602, "executionLevel=highestAvailable: the UAC prompt was refused: "
                                                    "exit code 1602 (ERROR_INSTALL_USEREXIT)"},
        {"requireAdministrator", ERROR_FILE_NOT_FOUND, 740,
         "executionLevel=requireAdministrator: could not start again (Windows error 2): exit code 740 "
         "(ERROR_ELEVATION_REQUIRED)"},
        {"highestAvailable", ERROR_FILE_NOT_FOUND, -1, ""},
    };
    setBoxesShown(false);  // a box's text goes to the trace instead
    for (const auto& row : rows) {
        writeFile("kiv.control", std::string("executionLevel=") + row.level + "\n");
        writeFile("jinstall.log", "");
        std::remove("errors.log");
        startupNotes.clear();
        startResult = row.error;
        char tail[] = "";  // the process started again gets the same: nothing
        int exitCode = -1;
        EXPECT_EQ(elevationEndsRun(tail, SW_SHOWNORMAL, exitCode, kLimitedOnWindows10), row.exitCode != -1);
        EXPECT_EQ(exitCode, row.exitCode) << row.level;
        EXPECT_TRUE(removeStartedAgainMarker(&startedWith[0]));
        EXPECT_STREQ(startedWith.c_str(), "");
        // The first process's one line; then the box's text and the reason, as in errors.log.
        EXPECT_EQ(logMessages("jinstall.log").size(), *row.errorLine ? 4u : 1u);
        EXPECT_EQ(*row.errorLine ? logMessages("errors.log").back() : "", row.errorLine);
        EXPECT_EQ(startupNotes.size(), exitCode == -1 ? 1u : 0u);
    }
    // A directory that no ANSI path names ends the run at once: rights would not help, so nobody is asked.
    installDirectoryUnnamed = "unnamed";
    startResult = 0;
    char tail[] = "";
    int exitCode = -1;
    EXPECT_FALSE(elevationEndsRun(tail, SW_SHOWNORMAL, exitCode, kLimitedOnWindows10));
    installDirectoryUnnamed.clear();
    setBoxesShown(true);
    startupNotes.clear();
}
