#include "jvm/find/modern_search.h"

#include <windows.h>

#include <filesystem>
#include <string>

#include "jvm/find/jvm_ok.h"
#include "temp_dir.h"
#include "util/file_utils.h"
#include "util/win_handles.h"

namespace {

using ModernSearchTest = TempDirTest;

// Wine reports every process elevated, so the road of a user without elevation
// is taken here through the search's system queries.
TEST_F(ModernSearchTest, UserSourcesAreSearchedOnlyWithoutElevation) {
    for (const char* home : {"user\\bin", "env\\bin"}) {
        std::filesystem::create_directories(home);
        writeFile(std::string(home) + "\\javaw.exe", "MZ");
    }
    writeFile("jinstall.log", "");
    const std::string key = "SOFTWARE\\JavaSoft\\JDK\\99." + std::to_string(_getpid());
    const std::string userHome = getCurrentDir() + "\\user";
    UniqueRegKey created;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              created.put(), nullptr), ERROR_SUCCESS);
    RegSetValueExA(created.get(), "JavaHome", 0, REG_SZ, reinterpret_cast<const BYTE*>(userHome.c_str()),
                   static_cast<DWORD>(userHome.size() + 1));
    created.reset();
    _putenv(("JAVA_HOME=\"" + getCurrentDir() + "\\env\\\"").c_str());
    jvmSearchOptions.modernSearch = true;

    auto search = [](bool elevated, std::string& path) {
        ModernJvmSearch::SystemQueries queries = {+[] { return false; },
                                                  elevated ? +[] { return true; } : +[] { return false; }};
        ModernJvmSearch modern(queries);
        TestedJvms tested;
        std::string name = "javaw.exe";
        return modern.search("", "1.1", "", name, path, tested);
    };
    std::string path;
    EXPECT_EQ(search(true, path), 0);
    EXPECT_NE(readFile("jinstall.log").find("HKEY_CURRENT_USER and JAVA_HOME not searched"),
              std::string::npos);
    EXPECT_EQ(search(false, path), 1);
    EXPECT_EQ(path, userHome + "\\bin\\javaw.exe");
    EXPECT_NE(readFile("jinstall.log").find("jvm candidate: HKCU\\" + key), std::string::npos);

    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
    EXPECT_EQ(search(false, path), 1);  // JAVA_HOME, its quotes and trailing backslash dropped
    EXPECT_EQ(path, getCurrentDir() + "\\env\\bin\\javaw.exe");
    _putenv("JAVA_HOME=");
    jvmSearchOptions = JvmSearchOptions();
}

}  // namespace
