#include "util/version.h"

#include <string>

#include <gtest/gtest.h>

namespace {

struct VersionCase {
    const char* version;
    const char* mainPart;
    const char* lastPart;
};

const VersionCase kVersions[] = {
    {"1.3.1", "1.3", "1"},
    {"1.4.2_05", "1.4", "2_05"},
    {"1.2.2.006", "1.2.2", "006"},
    {"1.3", "1.3", "0"},
    {"1", "1", "0"},
    {"", "", "0"},
};

TEST(ParseVersionTest, SplitsAtLastDotOfTwoOrMore) {
    for (const VersionCase& c : kVersions) {
        std::string mainPart = "stale", lastPart = "stale";
        parseVersion(c.version, mainPart, lastPart);
        EXPECT_EQ(mainPart, c.mainPart) << c.version;
        EXPECT_EQ(lastPart, c.lastPart) << c.version;
    }
}

struct HomeCase {
    const char* executable;
    const char* home;
};

const HomeCase kHomes[] = {
    {"C:\\jdk1.3\\bin\\java.exe", "C:\\jdk1.3"},
    {"C:\\jre\\javaw.exe", "C:\\jre"},
    // The last "bin" counts even inside a longer name.
    {"C:\\binaries\\jre\\java.exe", "C:"},
    {"C:\\x\\bin\\sub\\java.exe", "C:\\x"},
    {"java.exe", "java.exe"},
};

TEST(GetJavaHomeDirectoryTest, StripsExecutableAndBin) {
    for (const HomeCase& c : kHomes) {
        EXPECT_EQ(getJavaHomeDirectory(c.executable), c.home) << c.executable;
    }
}

}  // namespace
