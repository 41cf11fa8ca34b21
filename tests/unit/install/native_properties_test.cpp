#include "install/native_properties.h"

#include <gtest/gtest.h>

// Installed in a temporary place only when the directory tells; the line is
// left out when there is no directory to tell by.
TEST(NativePropertiesTextTest, InstalledInTempOnlyWhenItCanBeTold) {
    EXPECT_EQ(nativePropertiesText(1, "C:\\jdk", "C:\\x", 0),
              "nativeJvmHomeDir=C:/jdk\nnativeJvmInstalled=true\nnativeJvmInstalledInTemp=false\n"
              "configureWinRegistry=false\n");
    EXPECT_EQ(nativePropertiesText(1, "C:\\jdk", "", 1),
              "nativeJvmHomeDir=C:/jdk\nnativeJvmInstalled=true\nconfigureWinRegistry=true\n");
}
