#include "util/path_search.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

namespace {

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

}  // namespace
