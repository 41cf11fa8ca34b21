#include "jvm/find/win_version.h"

#include <string>

#include "scratch.h"

namespace {

unsigned long answeredVersion = 0;
int queries = 0;

unsigned long fakeVersion() {
    ++queries;
    return answeredVersion;
}

using WinVersionTest = TempDirTest;

TEST_F(WinVersionTest, HighBitTellsNineXAndOldVersionsAreTracedOnce) {
    const struct {
        unsigned long version;
        int nt;
        std::vector<std::string> trace;
    } cases[] = {
        {0x1DB10106UL, 1, {}},
        {0x00000003UL, 1, {}},  // NT 3.x is NT all the same
        {0xC0000A04UL, 0, {}},
        {0x80000003UL, 0, {"Bad version of windows"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.version);
        writeFile("jinstall.log", "");
        answeredVersion = c.version;
        queries = 0;
        WinVersion version(fakeVersion);
        EXPECT_EQ(version.winNT(), c.nt);
        EXPECT_EQ(version.winNT(), c.nt);
        EXPECT_EQ(queries, 1);
        EXPECT_EQ(logMessages("jinstall.log"), c.trace);
    }
}

}  // namespace
