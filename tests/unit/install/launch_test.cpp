#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "install/install.h"
#include "scratch.h"
#include "util/file_utils.h"

using LaunchTest = TempDirTest;

// The JVM named does not exist, so the command that would have run shows in
// errors.log; its class path tells what became of the swing entry.
TEST_F(LaunchTest, OnlyOldJvmsGetSwingAndAJvmThatCannotStartIsReported) {
    writeFile("install.jar", "");
    const struct {
        const char* program;
        bool swingHere;
        const char* classPath;
        std::vector<std::string> swingTrace;
    } rows[] = {
        {"jre.exe", true, ".;install.jar;swingall.jar", {"added swing to classpath"}},
        {"jrew.exe", false, ".;install.jar", {"swing file does not exist C:\\home\\lib\\swingall.jar"}},
        {"javaw.exe", true, ".;install.jar", {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.program);
        std::remove("errors.log");
        std::remove("swingall.jar");
        if (row.swingHere) writeFile("swingall.jar", "");
        writeFile("jinstall.log", "");
        Install install;
        install.javaHomeDir = "C:\\home";
        const std::string jvm = getCurrentDir() + "\\missing\\" + row.program;
        EXPECT_EQ(install.runJavaInstaller(jvm, "", "-cp", ".;install.jar;swingall.jar", "Wizard", "", "", "",
                                           0, 0), 0);
        const std::string command = "\"" + jvm + "\" " + row.program + " -cp " + row.classPath + " Wizard";
        EXPECT_EQ(logMessages("errors.log"), (std::vector<std::string>{
                                                 "Error running JVM: File or path is not found: false",
                                                 "Unable to start  " + command}));
        // What is traced before the command.
        std::vector<std::string> trace = logMessages("jinstall.log");
        const auto launched = std::find(trace.begin(), trace.end(), "java installer C++ command: " + command);
        trace.erase(launched, trace.end());
        EXPECT_EQ(trace, row.swingTrace);
    }
}
