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
    const ControlKey* key = nullptr;
    ControlParameters parameters;
    EXPECT_FALSE(storeKeyLine("#jvmName=A", parameters, &key));
    ASSERT_TRUE(storeKeyLine("searchForJvm=no", parameters, &key));
    EXPECT_EQ(key->field, &ControlParameters::searchForJvm);

    EXPECT_EQ(readLines({"jvmName=A", "jvmName=B"}).jvmName, "B");
    // The longest key name wins: jvmVersion is a prefix of jvmVersionCompare.
    ControlParameters optIn = readLines({"jvmVersion=1.3", "jvmVersionCompare=numeric"});
    EXPECT_EQ(optIn.jvmVersion, "1.3");
    EXPECT_EQ(optIn.jvmVersionCompare, "numeric");
    std::string longValue(1000, '7');
    ControlParameters p =
        readLines({"jvmRequiredVersion=" + longValue, "searchForJvm=" + longValue});
    EXPECT_EQ(p.jvmRequiredVersion, longValue.substr(0, 200));
    EXPECT_EQ(p.jvmVersion, longValue.substr(0, 200));
    EXPECT_EQ(p.searchForJvm, longValue.substr(0, 99));
}

TEST(ControlParametersTest, DefaultsDependOnWhichVersionsAreGiven) {
    ControlParameters p = readLines({});
    EXPECT_EQ(p.jvmRequiredVersion, "1.1.8");
    EXPECT_EQ(p.jvmVersion, "1.1.8");
    EXPECT_EQ(p.jvmName, "JRE");
    EXPECT_EQ(p.loaderClasspath, ".;install.jar;swingall.jar");
    EXPECT_EQ(p.jvmCommandName, "jrew.exe");
    EXPECT_EQ(readLines({}, true).jvmCommandName, "jre.exe");
    EXPECT_EQ(readLines({"jvmVersion=1.3.1"}).jvmRequiredVersion, "1.3.1");

    // A range replaces the single required version.
    p = readLines({"jvmMinVersion=1.2"});
    EXPECT_EQ(p.jvmRequiredVersion, "");
    EXPECT_EQ(p.jvmVersion, "");

    p = readLines({"jvmRequiredVersion=1.3", "jvmMinVersion=1.2"});
    EXPECT_EQ(p.jvmRequiredVersion, "1.3");
    EXPECT_EQ(p.jvmVersion, "1.3");
}

}  // namespace
