#include "launcher/command_line.h"

#include <string>

#include <gtest/gtest.h>

TEST(ParseCommandLineTest, SwitchesAndPassThrough) {
    const struct { const char* commandLine; int quiet, silent; const char* passThrough; } cases[] = {
        {"-q C:\\target", 1, 0, "C:\\target"},
        {"-s \"C:\\my  dir\"", 0, 1, "C:\\my  dir"},
        // The last word is taken unchanged, quotes included.
        {"-q \"word\"", 1, 0, "\"word\""},
        // A quote opens a run that only a later word can close.
        {"-q \"word\" x y", 1, 0, "word\" x y"},
        {"x -q", 0, 0, ""},  // the last word is never a switch
        // Any word holding "-s" counts, a directory name included.
        {"-q C:\\my-stuff x", 1, 1, "x"},
        {"-q C:\\my-stuff", 1, 0, "C:\\my-stuff"},
        // Inside a double-quoted argument no word is a switch.
        {"-s \"C:\\Data\\my-stuff\\Acme Suite\"", 0, 1, "C:\\Data\\my-stuff\\Acme Suite"},
        {"-q \"D:\\x-q  dir\\y\" z", 1, 0, "D:\\x-q  dir\\y"},
        {"-s \"C:\\my-stuff\\x-q dir\"", 0, 1, "C:\\my-stuff\\x-q dir"},
        {"\"C:\\a-s b\" -q x", 1, 0, "x"},
        {"\"C:\\a-s b\" x", 0, 0, ""},
    };
    for (const auto& c : cases) {
        CommandLine result = parseCommandLine(c.commandLine);
        EXPECT_EQ(result.quiet, c.quiet) << c.commandLine;
        EXPECT_EQ(result.silent, c.silent) << c.commandLine;
        EXPECT_EQ(result.passThrough, c.passThrough) << c.commandLine;
        EXPECT_EQ(isQuietCommandLine(c.commandLine), c.quiet || c.silent) << c.commandLine;
    }
}

std::string tailOf(std::string processCommandLine) {
    return commandTail(&processCommandLine[0]);
}

TEST(CommandTailTest, SkipsTheProgramNameAndTheBlanksAfterIt) {
    EXPECT_EQ(tailOf("\"C:\\My Setup\\launcher.exe\"  \t-s x"), "-s x");
    EXPECT_EQ(tailOf("C:\\\"My Setup\"\\launcher.exe a"), "a");  // a quoted run inside the name
    EXPECT_EQ(tailOf("\"unclosed name a b"), "");
    // Accented letters belong to the first argument.
    EXPECT_EQ(tailOf("launcher.exe \xc9" "ditions"), "\xc9" "ditions");
}
