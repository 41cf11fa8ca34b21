#include "jvm/find/version_numbers.h"

#include <string>

#include <gtest/gtest.h>

// The fuzz target compares these functions with a model on any input; the rows
// here name the rules.
TEST(VersionNumbersTest, OrderByNumbersThenTag) {
    const struct {
        const char* a;
        const char* b;
        int order;
    } cases[] = {
        {"1.8.0_101", "1.8.0_77", 1}, {"17.0.2", "1.8.0_401", 1}, {"1.8", "1.8.0", 0},
        {"17-ea", "17", -1},          {"17.0.2+8", "17.0.2", 0},  {"1.3.0-c", "1.3.0-C", 0},
        {"99999999999999999999", "9", 1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(compareVersionNumbers(c.a, c.b), c.order) << c.a << " vs " << c.b;
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
        {"1.8.0_292", "1.8", "", "", true},      {"1.80", "1.8", "", "", false},
        {"17-ea", "17", "", "", true},           {"17-ea", "", "17", "", false},
        {"1.8.0_401", "", "1.6", "1.8", true},   {"18", "", "11", "17", false},
        {"17", "", "", "17-ea", false},          {"", "1.8", "", "", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.version) + " req " + c.required + " min " + c.minimum + " max " +
                     c.maximum);
        EXPECT_EQ(versionAcceptableByNumbers(c.version, c.required, c.minimum, c.maximum), c.accepted);
    }
    EXPECT_EQ(extractVersionToken("java version \"17-ea\"\r\n"), "17-ea");
    EXPECT_EQ(extractVersionToken("17.0.2+8\r\n"), "17.0.2+8");
}
