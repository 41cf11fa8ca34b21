#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "install/wizard_command.h"
#include "jvm/find/version_text.h"

namespace {

TEST(VersionTextTest, BoundsActAsCaseInsensitivePrefixes) {
    const struct {
        const char* version;
        const char* required;
        const char* minimum;
        const char* maximum;
        bool accepted;
    } cases[] = {
        {"1.3.1", "1.3", "", "", true},         {"1.3", "1.3.1", "", "", false},
        {"1.30", "1.3", "", "", true},          {"1.2.2", "", "1.2", "1.3", true},
        {"1.3.1", "", "1.2", "1.3", true},      {"1.1.8", "", "1.2", "1.3", false},
        {"1.4.0", "", "1.2", "1.3", false},     {"1.10.0", "", "1.2", "", false},
        {"1.2.2_005", "1.2.2", "", "", true},   {"1.2.2_005", "", "", "1.2.2", true},
        {"1.2.2_005", "", "1.2.2_010", "", false},
        {"1.3.0-C", "1.3.0", "", "", true},     {"1.3.0-C", "1.3.0-D", "", "", false},
        {"1.3.0-c", "1.3.0-C", "", "", true},   {"1.2", "", "1.2.2", "", false},
        {"", "1.1.8", "", "", false},           {"", "", "1.2", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " req " + c.required + " min " + c.minimum + " max " +
                     c.maximum);
        EXPECT_EQ(versionAcceptable(c.version, c.required, c.minimum, c.maximum), c.accepted);
    }
}

TEST(VersionTextTest, VersionRunsFromTheFirstDigitToTheLast) {
    EXPECT_EQ(extractVersion("JVM 1.3.1_02 ready\n"), "1.3.1_02");
    EXPECT_EQ(extractVersion("java version \"1.3.0-C\"\r\n"), "1.3.0");
    EXPECT_EQ(extractVersion("17.0.15\n"), "17.0.15");
    EXPECT_EQ(extractVersion("no digits\n"), "");
    EXPECT_EQ(extractVersion(""), "");
}

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
