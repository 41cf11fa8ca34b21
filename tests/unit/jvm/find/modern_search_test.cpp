#include "jvm/find/modern_search.h"

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "scratch.h"
#include "util/file_utils.h"

using ModernSearchTest = TempDirTest;

namespace {

// Wine reports every process elevated; the road of a user without elevation is
// taken here through the search's system queries.
const ModernJvmSearch::SystemQueries kUserOnOneView = {+[] { return false; }, +[] { return false; }};

std::string makeHome(const std::string& name) {
    std::filesystem::create_directories(name + "\\bin");
    writeFile(name + "\\bin\\javaw.exe", "MZ");
    return getCurrentDir() + "\\" + name;
}

}  // namespace

TEST_F(ModernSearchTest, UserSourcesAreSearchedWithoutElevation) {
    const std::string userHome = makeHome("user");
    const std::string key = "SOFTWARE\\JavaSoft\\JDK\\99." + std::to_string(_getpid());
    ASSERT_EQ(RegSetKeyValueA(HKEY_CURRENT_USER, key.c_str(), "JavaHome", REG_SZ, userHome.c_str(),
                              static_cast<DWORD>(userHome.size() + 1)), ERROR_SUCCESS);
    jvmSearchOptions.modernSearch = true;
    ModernJvmSearch modern(kUserOnOneView);
    TestedJvms tested;
    std::string name = "javaw.exe", path;
    EXPECT_EQ(modern.search({"", "1.1", ""}, name, path, tested), 1);
    EXPECT_EQ(path, userHome + "\\bin\\javaw.exe");
    RegDeleteKeyA(HKEY_CURRENT_USER, key.c_str());
    jvmSearchOptions = JvmSearchOptions();
}

// After the registry: JAVA_HOME, JDK_HOME, JRE_HOME, then each folder of PATH
// that ends in \bin and holds the program; the Windows directory never counts.
TEST_F(ModernSearchTest, TheVariablesThenThePathFoldersInTheirOrder) {
    const std::string jdk = makeHome("jdk"), jre = makeHome("jre"), zip = makeHome("zip");
    makeHome("lib");
    std::filesystem::create_directories("nobin");
    writeFile("nobin\\javaw.exe", "MZ");
    const std::string savedPath = getenv("PATH");
    _putenv(("JDK_HOME=\"" + jdk + "\\\"").c_str());
    _putenv(("JRE_HOME=" + jre).c_str());
    _putenv(("PATH=" + getCurrentDir() + "\\nobin;\"" + zip + "\\bin\\\";" + savedPath).c_str());
    jvmSearchOptions.modernSearch = true;
    std::vector<JvmCandidate> candidates;
    ModernJvmSearch(kUserOnOneView).gather("javaw.exe", candidates);
    _putenv("JDK_HOME=");
    _putenv("JRE_HOME=");
    _putenv(("PATH=" + savedPath).c_str());
    jvmSearchOptions = JvmSearchOptions();

    std::vector<std::string> found;
    for (const JvmCandidate& candidate : candidates) found.push_back(candidate.source + " " + candidate.home);
    EXPECT_EQ(found, (std::vector<std::string>{"JDK_HOME " + jdk, "JRE_HOME " + jre,
                                               "PATH " + zip + "\\bin " + zip}));
}
