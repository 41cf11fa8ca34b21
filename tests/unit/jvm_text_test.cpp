#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "install/wizard_command.h"
#include "jvm/find/search_options.h"
#include "jvm/find/version_numbers.h"
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

TEST(VersionNumbersTest, OrderByNumbersThenTag) {
    const struct {
        const char* a;
        const char* b;
        int order;
    } cases[] = {
        {"1.8.0_101", "1.8.0_77", 1}, {"17.0.2", "1.8.0_401", 1}, {"9", "1.8", 1},
        {"1.10", "1.9", 1},           {"1.8", "1.8.0", 0},        {"1.8.0_05", "1.8.0_5", 0},
        {"17-ea", "17", -1},          {"17-ea", "17-rc", -1},     {"17.0.2+8", "17.0.2", 0},
        {"1.3.0-c", "1.3.0-C", 0},    {"1.8.", "1.8", 0},         {"99999999999999999999", "9", 1},
        {"", "0", 0},                 {"abc", "0", -1},           {"1.2 ", "1.2", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
        EXPECT_EQ(compareVersionNumbers(c.a, c.b), c.order);
        EXPECT_EQ(compareVersionNumbers(c.b, c.a), -c.order);
    }
}

TEST(VersionNumbersTest, BoundsByNumbers) {
    const struct {
        const char* version;
        const char* required;
        const char* minimum;
        const char* maximum;
        bool accepted;
    } cases[] = {
        {"1.8.0_101", "", "1.8.0_77", "", true}, {"1.8.0_77", "", "1.8.0_101", "", false},
        {"17.0.2", "", "1.8", "", true},         {"1.10.0", "", "1.2", "", true},
        {"1.8.0_292", "1.8", "", "", true},      {"1.80", "1.8", "", "", false},
        {"1.8", "1.8.0", "", "", true},          {"17-ea", "17", "", "", true},
        {"17-ea", "", "17", "", false},          {"17-ea", "17-ea", "", "", true},
        {"17", "17-ea", "", "", false},          {"1.8.0_401", "", "1.6", "1.8", true},
        {"17.0.1", "", "11", "17", true},        {"18", "", "11", "17", false},
        {"17", "", "", "17-ea", false},          {"", "1.8", "", "", false},
        {"", "", "1.2", "", false},              {"", "", "", "", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " req " + c.required + " min " + c.minimum + " max " +
                     c.maximum);
        EXPECT_EQ(versionAcceptableByNumbers(c.version, c.required, c.minimum, c.maximum), c.accepted);
    }
    EXPECT_EQ(extractVersionToken("java version \"17-ea\"\r\n"), "17-ea");
    EXPECT_EQ(extractVersionToken("JVM 1.3.1_02 ready\n"), "1.3.1_02");
    EXPECT_EQ(extractVersionToken("17.0.2+8\r\n"), "17.0.2+8");
    EXPECT_EQ(extractVersionToken("no digits"), "");
}

TEST(SearchOptionsTest, KeysAndCandidateLines) {
    JvmSearchOptions options = parseSearchOptions("YES", "Numeric", "30 s");
    EXPECT_TRUE(options.modernSearch && options.numericCompare && options.any());
    EXPECT_EQ(options.testTimeoutSeconds, 30u);
    options = parseSearchOptions("no", "text", "x");
    EXPECT_FALSE(options.modernSearch || options.numericCompare || options.any());
    EXPECT_EQ(parseSearchOptions("", "", "99999999999").testTimeoutSeconds, 2000000u);
    EXPECT_EQ(cleanJvmHome("\"C:\\jdk 17\\\""), "C:\\jdk 17");
    EXPECT_EQ(candidateLine("JAVA_HOME", "C:\\jdk", "1.8.0_77", JvmVerdict::outsideBounds, false),
              "jvm candidate: JAVA_HOME, home C:\\jdk, version 1.8.0_77: rejected, "
              "version outside the bounds");
    EXPECT_EQ(candidateLine("HKLM\\x", "C:\\jdk", "17", JvmVerdict::accepted, true),
              "jvm candidate: HKLM\\x, home C:\\jdk, version 17 (tested before): accepted");
    EXPECT_EQ(candidateLine("JAVA_HOME", "C:\\j", "", JvmVerdict::timedOut, false),
              "jvm candidate: JAVA_HOME, home C:\\j, no version: rejected, timed out");
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
