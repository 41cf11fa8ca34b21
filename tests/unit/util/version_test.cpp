#include "util/version.h"

#include <string>

#include <gtest/gtest.h>

namespace {

TEST(ParseVersionTest, SplitsAtLastDotOnlyWithTwoOrMoreDots) {
    const struct {
        const char* version;
        const char* mainPart;
        const char* lastPart;
    } cases[] = {
        {"1.3.1", "1.3", "1"}, {"1.4.2_05", "1.4", "2_05"}, {"1.2.2.006", "1.2.2", "006"},
        {"1.3", "1.3", "0"},   {"1", "1", "0"},             {"", "", "0"},
    };
    for (const auto& c : cases) {
        std::string mainPart = "stale", lastPart = "stale";
        parseVersion(c.version, mainPart, lastPart);
        EXPECT_EQ(mainPart, c.mainPart) << c.version;
        EXPECT_EQ(lastPart, c.lastPart) << c.version;
    }
}

TEST(GetJavaHomeDirectoryTest, StripsExecutableAndLastBin) {
    const struct {
        const char* executable;
        const char* home;
    } cases[] = {
        {"C:\\jdk1.3\\bin\\java.exe", "C:\\jdk1.3"},
        {"C:\\jre\\javaw.exe", "C:\\jre"},
        {"C:\\binaries\\jre\\java.exe", "C:"},  // "bin" inside a longer name counts too
        {"C:\\x\\bin\\sub\\java.exe", "C:\\x"},
        {"java.exe", "java.exe"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(getJavaHomeDirectory(c.executable), c.home) << c.executable;
    }
}

}  // namespace
