#include "jvm/find/modern_search.h"

#include <filesystem>
#include <string>

#include "scratch.h"
#include "util/file_utils.h"

using ModernSearchTest = TempDirTest;

// Wine reports every process elevated; the road of a user without elevation is
// taken here through the search's system queries.
TEST_F(ModernSearchTest, UserSourcesAreSearchedWithoutElevation) {
    std::filesystem::create_directories("user\\bin");
    writeFile("user\\bin\\javaw.exe", "MZ");
    const std::string key = "SOFTWARE\\JavaSoft\\JDK\\99." + std::to_string(_getpid());
    const std::string userHome = getCurrentDir() + "\\user";
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "JavaHome", REG_SZ, userHome.c_str(),
                              static_cast<DWORD>(userHome.size() + 1)), ERROR_SUCCESS);
    jvmSearchOptions.modernSearch = true;
    ModernJvmSearch modern({+[] { return false; }, +[] { return false; }});
    TestedJvms tested;
    std::string name = "javaw.exe", path;
    EXPECT_EQ(modern.search("", "1.1", "", name, path, tested), 1);
    EXPECT_EQ(path, userHome + "\\bin\\javaw.exe");
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
    jvmSearchOptions = JvmSearchOptions();
}
