#include <set>
#include <string>

#include "install/native_properties.h"
#include "jvm/find/win_version.h"
#include "temp_dir.h"
#include "util/path_search.h"

namespace {

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

TEST(FindEntryEndingWithTest, FirstExistingEntryEndingWithName) {
    const std::set<std::string> existing = {"c:\\winnt", "c:\\winnt\\winnt", "d:\\x\\winnt"};
    auto exists = [&existing](const std::string& entry) { return existing.count(entry) > 0; };
    const struct {
        std::string path;
        const char* found;
    } cases[] = {
        {"C:\\WINNT\\system32;C:\\WINNT", "c:\\winnt"},
        {"C:\\WINNT\\", ""},
        {"c:\\winnt\\winnt", ""},  // the name occurs before the end
        {";;C:\\WINNT;", "c:\\winnt"}, {"", ""},
        {"E:\\winnt;D:\\X\\WinNT", "d:\\x\\winnt"},  // e:\winnt does not exist
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(findEntryEndingWith(c.path, "winnt", exists), c.found);
    }

    std::string many;
    for (int i = 0; i < 2000; ++i) many += "C:\\dir" + std::to_string(i) + ";";
    EXPECT_EQ(findEntryEndingWith(many + "C:\\WINNT", "winnt", exists), "c:\\winnt");
    std::string huge = std::string(100 * 1024, 'x') + ";d:\\x\\winnt";
    EXPECT_EQ(findEntryEndingWith(huge, "winnt", exists), "d:\\x\\winnt");
}

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
