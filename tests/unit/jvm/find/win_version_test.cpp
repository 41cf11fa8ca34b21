#include "jvm/find/win_version.h"

#include "scratch.h"

static unsigned long answeredVersion = 0;

using WinVersionTest = TempDirTest;

// The highest bit tells 9x; a 9x version below 4 is also traced.
TEST_F(WinVersionTest, HighBitTellsNineX) {
    const unsigned long versions[][2] = {
        {0x1DB10106UL, 1}, {0x00000003UL, 1}, {0xC0000A04UL, 0}, {0x80000003UL, 0}};
    writeFile("jinstall.log", "");
    for (const auto& version : versions) {
        answeredVersion = version[0];
        EXPECT_EQ(WinVersion(+[] { return answeredVersion; }).winNT(), static_cast<int>(version[1]))
            << std::hex << version[0];
    }
    EXPECT_EQ(logMessages("jinstall.log"), std::vector<std::string>{"Bad version of windows"});
}
