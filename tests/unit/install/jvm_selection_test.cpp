#include <string>

#include "install/install.h"
#include "scratch.h"
#include "util/file_utils.h"

using JvmSelectionTest = ScratchMachineTest;

// An acceptable JVM is registered; only "no" and "none", in any case, skip the search for it.
TEST_F(JvmSelectionTest, NoAndNoneSkipTheSearchAnyOtherValueSearches) {
    std::filesystem::create_directories("jre\\bin");
    writeFile("jre\\bin\\javaw.exe", "MZ");
    const std::string key = "SOFTWARE\\JavaSoft\\Java Runtime Environment\\1.3";
    setMachineValue(key, "JavaHome", getCurrentDir() + "\\jre");
    for (const std::string value : {"NONE", "No", "false", ""}) {
        SCOPED_TRACE(value);
        writeFile("jinstall.log", "");
        Install install;
        std::string name = "javaw.exe", path;
        const bool skipped = value == "NONE" || value == "No";
        EXPECT_EQ(install.isJvmInstalled("1.3", "", "", "JRE", name, path, value), skipped ? 0 : 1);
        EXPECT_EQ(static_cast<bool>(logged("jinstall.log", "Search for JVM: " + value)), skipped);
    }
}
