#include "jvm/find/jvm_arch.h"

#include <gtest/gtest.h>

TEST(JvmArchTest, TheMachineFieldOfThePeHeaderNamesTheArchitecture) {
    std::string dos(64, '\0');
    dos[0] = 'M', dos[1] = 'Z', dos[0x3C] = '\x80', dos[0x3D] = '\x01';
    EXPECT_EQ(peHeaderOffset(dos), 0x180u);
    EXPECT_EQ(peHeaderOffset("MZ"), 0u);
    EXPECT_EQ(peHeaderOffset(std::string(64, 'x')), 0u);
    const std::string pe("PE\0\0", 4);
    EXPECT_EQ(archOfPeHeader(pe + "\x4c\x01"), JvmArch::x86);
    EXPECT_EQ(archOfPeHeader(pe + "\x64\x86"), JvmArch::x64);
    EXPECT_EQ(archOfPeHeader(pe + "\x64\xaa"), JvmArch::arm64);
    EXPECT_EQ(archOfPeHeader(pe + "\x00\x02"), JvmArch::unknown);  // Itanium
    EXPECT_EQ(archOfPeHeader("NE\0\0\x4c\x01"), JvmArch::unknown);
    EXPECT_EQ(archOfPeHeader(pe), JvmArch::unknown);
    EXPECT_TRUE(is64Bit(JvmArch::arm64) && !is64Bit(JvmArch::x86) && !is64Bit(JvmArch::unknown));
}
