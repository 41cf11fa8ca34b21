#include "install/wizard_command.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

TEST(WizardCommandTest, ArgumentVectorInItsOrder) {
    WizardCommand command;
    command.executableName = "javaw.exe";
    command.extraParameters = "-Xmx64m -Dx=1";
    command.classpathSwitch = "-cp";
    command.classPath = "install.jar";
    command.javaCommand = "Wizard  -x";
    command.passThrough = "C:\\My Dir";
    command.quiet = 1;
    command.silent = 1;
    std::vector<std::string> expected = {"javaw.exe", "-Xmx64m", "-Dx=1", "-cp", "install.jar",
                                         "Wizard", "", "-x", "-q", "\"C:\\My Dir\""};
    EXPECT_EQ(wizardArguments(command), expected);

    command.extraParameters.clear();
    command.javaCommand.clear();
    command.quiet = 0;
    command.passThrough = "\"C:\\My Dir\"";  // already quoted: passed unchanged
    expected = {"javaw.exe", "-cp", "install.jar", "", "-s", "\"C:\\My Dir\""};
    EXPECT_EQ(wizardArguments(command), expected);

    command.passThrough.clear();
    expected = {"javaw.exe", "-cp", "install.jar", ""};
    EXPECT_EQ(wizardArguments(command), expected);
}

TEST(WizardCommandTest, TraceTextQuotesOnlyBlanksWithoutQuotes) {
    EXPECT_EQ(argsString({"java.exe", "a b", "", "\"c d\"", "e"}), "java.exe \"a b\"  \"c d\" e");
    EXPECT_EQ(isOldJvm("C:\\jre\\bin\\jrew.exe"), 1);
    EXPECT_EQ(isOldJvm("C:\\java\\bin\\jre.exe"), 1);
    EXPECT_EQ(isOldJvm("C:\\jre\\bin\\javaw.exe"), 0);
}

}  // namespace
