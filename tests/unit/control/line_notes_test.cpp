#include "control/line_notes.h"

#include <string>

#include <gtest/gtest.h>

TEST(ControlLineNotesTest, UnknownKeysAndBlanksBeforeTheSignAreNotedByTheirFileLine) {
    const struct { std::string piece; const char* note; } lines[] = {
        {"# comment", ""}, {"", ""}, {"  \t", ""}, {"  ! comment", ""},
        {"jvmMinVersion=17", ""}, {"jvmVersionCompare=numeric", ""}, {"exitCodeReport=yes", ""},
        {"executionLevel=highest", ""}, {"jvmName:JRE", ""},  // any separator: read as jvmName
        {"jvmMinVerison=17", "kiv.control line 10: unknown key \"jvmMinVerison\", the launcher ignores the line"},
        {"jvmArch = x64", "kiv.control line 11: blanks between the key jvmArch and its \"=\": its value is read "
                          "as \"= x64\""},
        {"configureWinRegistry\t=no", "kiv.control line 12: blanks between the key configureWinRegistry and its "
                                      "\"=\": its value is read as \"=no\""},
        {"  jvmName=JRE", "kiv.control line 13: unknown key \"  jvmName\", the launcher ignores the line"},
        {"wizardTitle  = Acme", "kiv.control line 14: unknown key \"wizardTitle\", the launcher ignores the line"},
        // A line longer than a piece is one line: its tail is not looked at.
        {std::string(10, 'x') + std::string(990, '='), "kiv.control line 15: unknown key \"xxxxxxxxxx\", the "
                                                       "launcher ignores the line"},
        {"jvmArch = x64", ""},
        {"jvmArch x64", ""},  // blanks, but no sign: read as "x64"
        {"notAKey", "kiv.control line 17: unknown key \"notAKey\", the launcher ignores the line"},
    };
    ControlLineNotes notes(1000);
    for (const auto& line : lines) EXPECT_EQ(notes.note(line.piece), line.note) << line.piece;
}
