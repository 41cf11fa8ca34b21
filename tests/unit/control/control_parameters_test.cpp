#include "control/control_parameters.h"

#include <initializer_list>
#include <string>

#include <gtest/gtest.h>

static ControlParameters readLines(std::initializer_list<std::string> lines) {
    ControlParameters parameters;
    for (const std::string& line : lines) storeKeyLine(line, parameters, nullptr);
    applyDefaults(parameters, false);
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
