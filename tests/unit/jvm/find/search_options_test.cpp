#include "jvm/find/search_options.h"

#include <gtest/gtest.h>

#include "jvm/find/jvm_arch.h"

namespace {

JvmSearchOptions parse(void (*set)(ControlParameters&)) {
    ControlParameters parameters;
    set(parameters);
    return parseSearchOptions(parameters);
}

}  // namespace

TEST(SearchOptionsTest, EachKeyOnItsOwnAndNoneWithoutThem) {
    EXPECT_FALSE(parse([](ControlParameters&) {}).any());
    JvmSearchOptions options = parse([](ControlParameters& p) {
        p.jvmSearchModern = "YES", p.jvmVersionCompare = "Numeric", p.jvmTestTimeout = "30 s";
    });
    EXPECT_TRUE(options.modernSearch && options.numericCompare);
    EXPECT_EQ(options.testTimeoutSeconds, 30u);
    options = parse([](ControlParameters& p) { p.jvmSearchModern = "no", p.jvmVersionCompare = "text"; });
    EXPECT_FALSE(options.modernSearch || options.numericCompare || options.any());
    EXPECT_EQ(parse([](ControlParameters& p) { p.jvmTestTimeout = "99999999999"; }).testTimeoutSeconds, 2000000u);
    EXPECT_TRUE(parse([](ControlParameters& p) { p.jvmChoose = "Newest"; }).chooseNewest);
    EXPECT_FALSE(parse([](ControlParameters& p) { p.jvmChoose = "first"; }).any());
}

// The search for today's JVMs never waits for ever, unless the author says so.
TEST(SearchOptionsTest, TheModernSearchLimitsItsTestsToAMinuteUnlessTheKeySaysOtherwise) {
    EXPECT_EQ(parse([](ControlParameters& p) { p.jvmSearchModern = "true"; }).testTimeoutSeconds, 60u);
    EXPECT_EQ(parse([](ControlParameters& p) { p.jvmSearchModern = "true", p.jvmTestTimeout = "0"; })
                  .testTimeoutSeconds, 0u);
    EXPECT_EQ(parse([](ControlParameters& p) { p.jvmSearchModern = "true", p.jvmTestTimeout = "5"; })
                  .testTimeoutSeconds, 5u);
    EXPECT_EQ(parse([](ControlParameters& p) { p.jvmVersionCompare = "numeric"; }).testTimeoutSeconds, 0u);
}

TEST(SearchOptionsTest, ArchitecturesKeysAndTheWizardsOptions) {
    JvmSearchOptions options = parse([](ControlParameters& p) {
        p.jvmArch = " X64, arm64 ,amd64,", p.jvmTestWithOptions = "yes";
        p.jvmExtraParameters = "-Xmx2g -Dmode=x";
        p.jvmSearchKeys = " HKLM\\SOFTWARE\\Vendor A\\JDK\\ ;;hkey_local_machine\\SOFTWARE\\B;SOFTWARE\\C";
    });
    EXPECT_TRUE(archAllowed(options.allowedArchs, JvmArch::x64) && archAllowed(options.allowedArchs, JvmArch::arm64));
    EXPECT_FALSE(archAllowed(options.allowedArchs, JvmArch::x86) || archAllowed(options.allowedArchs, JvmArch::unknown));
    EXPECT_EQ(options.unknownArchs, "amd64");
    EXPECT_EQ(options.testOptions, (std::vector<std::string>{"-Xmx2g", "-Dmode=x"}));
    EXPECT_EQ(options.searchKeys, (std::vector<std::string>{"SOFTWARE\\Vendor A\\JDK", "SOFTWARE\\B", "SOFTWARE\\C"}));
    EXPECT_EQ(describeSearchOptions(options),
              "JVM search: key HKLM\\SOFTWARE\\Vendor A\\JDK; key HKLM\\SOFTWARE\\B; key HKLM\\SOFTWARE\\C; "
              "versions compared as texts; architectures x64 arm64; jvmArch names no architecture in: amd64; "
              "version test with the wizard's options");
    // A list that names no architecture leaves every one allowed.
    EXPECT_TRUE(archAllowed(parse([](ControlParameters& p) { p.jvmArch = "ia64"; }).allowedArchs, JvmArch::x86));
    EXPECT_EQ(cleanJvmHome("\"C:\\jdk 17\\\""), "C:\\jdk 17");
}
