#include "jvm/find/jvm_arch.h"

#include <string>

#include <gtest/gtest.h>

// Each header is read only as far as its size says, whatever the buffer holds beyond it.
TEST(JvmArchTest, TheMachineFieldOfThePeHeaderNamesTheArchitecture) {
    std::string dos(64, '\0');
    dos[0] = 'M', dos[1] = 'Z', dos[0x3C] = '\x80', dos[0x3D] = '\x01';
    EXPECT_EQ(peHeaderOffset(dos.data(), 64), 0x180u);
    EXPECT_EQ(peHeaderOffset(dos.data(), 62), 0u);
    EXPECT_EQ(peHeaderOffset(std::string(64, 'x').data(), 64), 0u);
    EXPECT_EQ(archOfPeHeader("PE\0\0\x4c\x01", 6), JvmArch::x86);
    EXPECT_EQ(archOfPeHeader("PE\0\0\x64\x86", 6), JvmArch::x64);
    EXPECT_EQ(archOfPeHeader("PE\0\0\x64\xaa", 6), JvmArch::arm64);
    EXPECT_EQ(archOfPeHeader("PE\0\0\x00\x02", 6), JvmArch::unknown);  // Itanium
    EXPECT_EQ(archOfPeHeader("NE\0\0\x4c\x01", 6), JvmArch::unknown);
    EXPECT_EQ(archOfPeHeader("PE\0\0\x4c\x01", 5), JvmArch::unknown);
    EXPECT_TRUE(is64Bit(JvmArch::arm64) && !is64Bit(JvmArch::x86) && !is64Bit(JvmArch::unknown));
}
