#include "jvm/find/version_text.h"

#include <string>

#include <gtest/gtest.h>

TEST(VersionTextTest, BoundsActAsCaseInsensitivePrefixes) {
    const struct { const char *version, *required, *minimum, *maximum; bool accepted; } cases[] = {
        {"1.3.1", "1.3", "", "", true},      {"1.3", "1.3.1", "", "", false},
        {"1.30", "1.3", "", "", true},       {"1.3.1", "", "1.2", "1.3", true},
        {"1.4.0", "", "1.2", "1.3", false},  {"1.10.0", "", "1.2", "", false},
        {"1.3.0-c", "1.3.0-C", "", "", true}, {"", "1.1.8", "", "", false},
        {"1.8.0", "", "", "1.8.0", true},     {"1.8.0", "", "1.8.0", "1.8.0", true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(versionAcceptable(c.version, c.required, c.minimum, c.maximum), c.accepted)
            << c.version << " " << c.required << " " << c.minimum << " " << c.maximum;
    }
    EXPECT_EQ(extractVersion("JVM 1.3.1_02 ready\n"), "1.3.1_02");
    EXPECT_EQ(extractVersion("java version \"1.3.0-C\"\r\n"), "1.3.0");
}
