#include "util/version.h"

#include <gtest/gtest.h>

TEST(GetJavaHomeDirectoryTest, StripsExecutableAndLastBin) {
    const char* cases[][2] = {
        {"C:\\jdk1.3\\bin\\java.exe", "C:\\jdk1.3"},
        {"C:\\jre\\javaw.exe", "C:\\jre"},
        {"C:\\binaries\\jre\\java.exe", "C:"},  // "bin" inside a longer name counts too
        {"C:\\x\\bin\\sub\\java.exe", "C:\\x"},
        {"java.exe", "java.exe"},
    };
    for (const auto& c : cases) EXPECT_EQ(getJavaHomeDirectory(c[0]), c[1]) << c[0];
}
