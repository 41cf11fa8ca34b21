#include "util/path_search.h"

#include <set>
#include <string>

#include <gtest/gtest.h>

TEST(FindEntryEndingWithTest, FirstExistingEntryEndingWithName) {
    const std::set<std::string> existing = {"c:\\winnt", "c:\\winnt\\winnt", "d:\\x\\winnt"};
    auto exists = [&existing](const std::string& entry) { return existing.count(entry) > 0; };
    const struct { std::string path; const char* found; } cases[] = {
        {"C:\\WINNT\\system32;C:\\WINNT", "c:\\winnt"},
        {"C:\\WINNT\\", ""},
        {"c:\\winnt\\winnt", ""},  // the name occurs before the end
        {";;C:\\WINNT;", "c:\\winnt"},
        {"E:\\winnt;D:\\X\\WinNT", "d:\\x\\winnt"},  // e:\winnt does not exist
    };
    for (const auto& c : cases) EXPECT_EQ(findEntryEndingWith(c.path, "winnt", exists), c.found) << c.path;
}
