#include "install/native_properties.h"

#include <string>

#include <gtest/gtest.h>

TEST(NativePropertiesTextTest, InstalledInTempOnlyWhenItCanBeTold) {
    const std::string head = "nativeJvmHomeDir=C:/jdk\n";
    const struct {
        int newlyInstalled;
        const char* installDir;
        int configureRegistry;
        std::string text;
    } cases[] = {
        {0, "", 0,
         "nativeJvmInstalled=false\nnativeJvmInstalledInTemp=false\nconfigureWinRegistry=false\n"},
        {1, "[$AppDir]\\jvm", 1,
         "nativeJvmInstalled=true\nnativeJvmInstalledInTemp=true\nconfigureWinRegistry=true\n"},
        {1, "C:\\x", 0,
         "nativeJvmInstalled=true\nnativeJvmInstalledInTemp=false\nconfigureWinRegistry=false\n"},
        {1, "", 1, "nativeJvmInstalled=true\nconfigureWinRegistry=true\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(
            nativePropertiesText(c.newlyInstalled, "C:\\jdk", c.installDir, c.configureRegistry),
            head + c.text);
    }
}
