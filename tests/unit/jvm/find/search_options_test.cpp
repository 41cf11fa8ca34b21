#include "jvm/find/search_options.h"

#include <initializer_list>
#include <string>

#include <gtest/gtest.h>

#include "jvm/find/jvm_arch.h"

namespace {

// The options of a control file of these lines.
JvmSearchOptions parse(std::initializer_list<std::string> lines) {
    ControlParameters parameters;
    for (const std::string& line : lines) storeKeyLine(line, parameters, nullptr);
    return parseSearchOptions(parameters);
}

}  // namespace

TEST(SearchOptionsTest, EachKeyOnItsOwnAndNoneWithoutThem) {
    EXPECT_FALSE(parse({}).any());
    JvmSearchOptions options = parse({"jvmSearchModern=YES", "jvmVersionCompare=Numeric", "jvmTestTimeout=30 s"});
    EXPECT_TRUE(options.modernSearch && options.numericCompare);
    EXPECT_EQ(options.testTimeoutSeconds, 30u);
    options = parse({"jvmSearchModern=no", "jvmVersionCompare=text"});
    EXPECT_FALSE(options.modernSearch || options.numericCompare || options.any());
    EXPECT_EQ(parse({"jvmTestTimeout=99999999999"}).testTimeoutSeconds, 2000000u);
    EXPECT_TRUE(parse({"jvmChoose=Newest"}).chooseNewest);
    EXPECT_FALSE(parse({"jvmChoose=first"}).any());
}

// The search for today's JVMs never waits for ever, unless the author says so.
TEST(SearchOptionsTest, TheModernSearchLimitsItsTestsToAMinuteUnlessTheKeySaysOtherwise) {
    EXPECT_EQ(parse({"jvmSearchModern=true"}).testTimeoutSeconds, 60u);
    EXPECT_EQ(parse({"jvmSearchModern=true", "jvmTestTimeout=0"}).testTimeoutSeconds, 0u);
    EXPECT_EQ(parse({"jvmSearchModern=true", "jvmTestTimeout=5"}).testTimeoutSeconds, 5u);
    EXPECT_EQ(parse({"jvmVersionCompare=numeric"}).testTimeoutSeconds, 0u);
}

TEST(SearchOptionsTest, ArchitecturesKeysAndTheWizardsOptions) {
    JvmSearchOptions options = parse({"jvmArch= X64, arm64 ,amd64,", "jvmTestWithOptions=yes",
                                      "jvmExtraParameters=-Xmx2g -Dmode=x", "jvmSearchKeys= HKLM\\SOFTWARE\\Vendor A"
                                      "\\JDK\\ ;;hkey_local_machine\\SOFTWARE\\B;SOFTWARE\\C"});
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
    EXPECT_TRUE(archAllowed(parse({"jvmArch=ia64"}).allowedArchs, JvmArch::x86));
    EXPECT_EQ(cleanJvmHome("\"C:\\jdk 17\\\""), "C:\\jdk 17");
}
