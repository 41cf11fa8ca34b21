#include "jvm/find/version_numbers.h"

#include <string>

#include <gtest/gtest.h>

namespace {

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

}  // namespace
