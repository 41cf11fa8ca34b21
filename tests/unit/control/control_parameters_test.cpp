#include "control/control_parameters.h"

#include <initializer_list>
#include <string>

#include <gtest/gtest.h>

namespace {

ControlParameters readLines(std::initializer_list<std::string> lines, bool console = false) {
    ControlParameters parameters;
    for (const std::string& line : lines) storeKeyLine(line, parameters, nullptr);
    applyDefaults(parameters, console);
    return parameters;
}

TEST(ControlParametersTest, StoresLastOccurrenceCutToCapacity) {
    EXPECT_EQ(readLines({"jvmName=A", "#jvmName=C", "jvmName=B"}).jvmName, "B");
    // The longest key name wins: jvmVersion is a prefix of jvmVersionCompare.
    ControlParameters optIn = readLines({"jvmVersion=1.3", "jvmVersionCompare=numeric"});
    EXPECT_EQ(optIn.jvmVersion, "1.3");
    EXPECT_EQ(optIn.jvmVersionCompare, "numeric");
    std::string longValue(1000, '7');
    ControlParameters p = readLines({"jvmRequiredVersion=" + longValue, "searchForJvm=" + longValue});
    EXPECT_EQ(p.jvmRequiredVersion, longValue.substr(0, 200));
    EXPECT_EQ(p.jvmVersion, longValue.substr(0, 200));
    EXPECT_EQ(p.searchForJvm, longValue.substr(0, 99));
}

TEST(ControlParametersTest, DefaultsDependOnWhichVersionsAreGiven) {
    EXPECT_EQ(readLines({}).loaderClasspath, ".;install.jar;swingall.jar");
    EXPECT_EQ(readLines({"jvmVersion=1.3.1"}).jvmRequiredVersion, "1.3.1");
    // A range replaces the single required version.
    ControlParameters p = readLines({"jvmMinVersion=1.2"});
    EXPECT_EQ(p.jvmRequiredVersion + p.jvmVersion, "");
    p = readLines({"jvmRequiredVersion=1.3", "jvmMinVersion=1.2"});
    EXPECT_EQ(p.jvmRequiredVersion, "1.3");
    EXPECT_EQ(p.jvmVersion, "1.3");
}

}  // namespace
