#include "jvm/find/win_version.h"

#include <string>

#include "temp_dir.h"

namespace {

unsigned long answeredVersion = 0;
int queries = 0;

unsigned long fakeVersion() {
    ++queries;
    return answeredVersion;
}

int countLines(const std::string& text, const std::string& line) {
    int count = 0;
    for (auto at = text.find(line); at != std::string::npos; at = text.find(line, at + 1)) ++count;
    return count;
}

using WinVersionTest = TempDirTest;

TEST_F(WinVersionTest, HighBitTellsNineXAndOldVersionsAreTracedOnce) {
    const struct {
        unsigned long version;
        int nt;
        int badLines;
    } cases[] = {
        {0x1DB10106UL, 1, 0},
        {0x00000003UL, 1, 0},  // NT 3.x is NT all the same
        {0xC0000A04UL, 0, 0},
        {0x80000003UL, 0, 1},
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
        EXPECT_EQ(countLines(readFile("jinstall.log"), "Bad version of windows"), c.badLines);
    }
}

}  // namespace
