#include "launcher/command_line.h"

#include <string>

#include <gtest/gtest.h>

TEST(ParseCommandLineTest, SwitchesAndPassThrough) {
    const struct {
        const char* commandLine;
        int quiet;
        int silent;
        const char* passThrough;
    } cases[] = {
        {"-q C:\\target", 1, 0, "C:\\target"},
        {"-s \"C:\\my  dir\"", 0, 1, "C:\\my  dir"},
        // The last word is taken unchanged, quotes included.
        {"-q \"word\"", 1, 0, "\"word\""},
        // A quote opens a run that only a later word can close.
        {"-q \"word\" x y", 1, 0, "word\" x y"},
        {"-s \"a b c\" d", 0, 1, "a b c"},
        {"x y -q z w", 1, 0, "z"},
        // The last word is never a switch.
        {"x -q", 0, 0, ""},
        // Any word holding "-s" counts, a directory name included.
        {"-q C:\\my-stuff x", 1, 1, "x"},
        {"-q C:\\my-stuff", 1, 0, "C:\\my-stuff"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.commandLine);
        CommandLine result = parseCommandLine(c.commandLine);
        EXPECT_EQ(result.quiet, c.quiet);
        EXPECT_EQ(result.silent, c.silent);
        EXPECT_EQ(result.passThrough, c.passThrough);
    }
}

std::string tailOf(std::string processCommandLine) {
    return commandTail(&processCommandLine[0]);
}

TEST(CommandTailTest, SkipsTheProgramNameAndTheBlanksAfterIt) {
    EXPECT_EQ(tailOf("launcher.exe -q C:\\dir"), "-q C:\\dir");
    EXPECT_EQ(tailOf("\"C:\\My Setup\\launcher.exe\"  \t-s x"), "-s x");
    // A quoted run may sit inside the name.
    EXPECT_EQ(tailOf("C:\\\"My Setup\"\\launcher.exe a"), "a");
    EXPECT_EQ(tailOf("\"unclosed name a b"), "");
    // Accented letters belong to the first argument.
    EXPECT_EQ(tailOf("launcher.exe \xc9" "ditions"), "\xc9" "ditions");
}
