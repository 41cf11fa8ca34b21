#include "jvm/find/version_numbers.h"

#include <gtest/gtest.h>

TEST(VersionNumbersTest, BoundsByNumbersAndTheMaximumItselfIsAcceptable) {
    const struct { const char *version, *required, *minimum, *maximum; bool accepted; } cases[] = {
        {"1.8.0", "", "", "1.8.0", true},        {"1.8.0_401", "", "1.8.0_77", "", true},
        {"1.8.0_77", "", "1.8.0_101", "", false}, {"17.0.2", "", "1.8", "", true},
        {"1.8.0", "", "1.8.0", "1.8.0", true},   {"1.8.0_1", "", "", "1.8", true},
        {"9", "", "", "1.8", false},             {"1.8.0", "1.8", "", "", true},
        {"1.80", "1.8", "", "", false},          {"17-ea", "", "17", "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(versionAcceptableByNumbers(c.version, c.required, c.minimum, c.maximum), c.accepted)
            << c.version << " " << c.required << " " << c.minimum << " " << c.maximum;
    }
}

// A registry key may say less than the bound asks: the version test then decides.
TEST(VersionNumbersTest, ARegistryVersionLessPreciseThanABoundIsLeftToTheTest) {
    EXPECT_FALSE(versionAcceptableByNumbers("1.8.0", "", "1.8.0_77", ""));
    EXPECT_TRUE(registryVersionAcceptableByNumbers("1.8.0", "", "1.8.0_77", ""));
    EXPECT_TRUE(registryVersionAcceptableByNumbers("1.8", "1.8.0_77", "", ""));
    EXPECT_FALSE(registryVersionAcceptableByNumbers("1.7.0", "", "1.8.0_77", ""));  // wrong as far as it goes
    EXPECT_FALSE(registryVersionAcceptableByNumbers("1.8.0_60", "", "1.8.0_77", ""));  // as precise: decided
    EXPECT_FALSE(registryVersionAcceptableByNumbers("1.9", "", "", "1.8.0_77"));
}
