#include <algorithm>
#include <string>
#include <vector>

#include "jvm/setup/install_jvm.h"
#include "scratch.h"
#include "util/file_utils.h"
#include "util/text.h"

using ConfigureTest = ScratchMachineTest;

const std::string kJre = "SOFTWARE\\JavaSoft\\Java Runtime Environment\\";
const std::string kJdk = "SOFTWARE\\JavaSoft\\Java Development Kit\\";
const std::string kKeys[] = {kJdk + "1.3", kJre + "1.1", kJre + "1.1.8", kJre + "1.3", kJre + "1.3.1"};

// Each row configures a JVM whose bin holds the files named, with a scratch
// Windows directory, into which only the registry's current JVM is copied.
TEST_F(ConfigureTest, FindsTheExecutableRegistersAndCopiesTheCurrentJvm) {
    const struct {
        const char* control;  // kiv.control
        const char* name;
        const char* version;
        const char* command;
        std::vector<std::string> files;
        const char* found;  // the command name afterwards; null: not configured
        std::vector<std::string> keys, copies;
        const char* trace;
    } rows[] = {
        {"", "JRE", "1.3.1", "java.exe", {"javaw.exe"}, nullptr, {}, {}, nullptr},
        // jinstall.sem is there: a jre name falls back to the windowed java name.
        {"", "JRE", "1.3.1", "jre.exe", {"javaw.exe"}, "javaw.exe", {kJre + "1.3", kJre + "1.3.1"},
         {"javaw.exe"}, "Windows registry configured"},
        {"", "jdk", "1.3.1", "javaw.exe", {"javaw.exe", "java.exe"}, "javaw.exe",
         {kJdk + "1.3", kJre + "1.3", kJre + "1.3.1"}, {"javaw.exe", "java.exe"}, "Windows registry configured"},
        {"", "JRE", "1.1.8", "jrew.exe", {"jrew.exe", "jre.exe"}, "jrew.exe", {kJre + "1.1"},
         {"jrew.exe", "jre.exe"}, "Windows registry configured"},
        {"configureWinRegistry=no\n", "JRE", "1.3.1", "javaw.exe", {"javaw.exe"}, "javaw.exe", {}, {},
         "Windows registry unchanged"},
        // A launcher of Java 9 or later starts only from its own home.
        {"", "JRE", "9", "javaw.exe", {"javaw.exe"}, "javaw.exe", {}, {}, "nothing of JVM 9 copied into the "
         "Windows directories: a launcher of Java 9 or later starts only from its own home"},
    };
    writeFile("jinstall.sem", "");
    int index = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.name) + " " + row.version + " " + row.command);
        RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SOFTWARE");
        const std::string jvm = getCurrentDir() + "\\Jvm" + std::to_string(++index);
        const std::string windows = jvm + "\\windows";
        std::filesystem::create_directories(jvm + "\\bin");
        std::filesystem::create_directories(windows + "\\system");
        for (const std::string& file : row.files) writeFile(jvm + "\\bin\\" + file, "MZ");
        writeFile("kiv.control", row.control);
        writeFile("jinstall.log", "");
        std::string command = row.command;
        const int configured = InstallJvm().configureJvm(row.version, row.name, command, jvm, windows, 1);
        EXPECT_EQ(configured, row.found ? 1 : 0);
        EXPECT_EQ(command, row.found ? row.found : row.command);
        std::string home = jvm;
        lowerAsciiLetters(home);
        for (const std::string& key : kKeys) {
            const bool registered = std::count(row.keys.begin(), row.keys.end(), key) > 0;
            EXPECT_EQ(machineValue(key, "JavaHome"), registered ? home : "<missing>") << key;
        }
        for (const char* file : {"javaw.exe", "java.exe", "jrew.exe", "jre.exe"}) {
            const bool copied = std::count(row.copies.begin(), row.copies.end(), file) > 0;
            EXPECT_EQ(fileExists(windows + "\\" + file), copied ? 1 : 0) << file;
        }
        EXPECT_TRUE(logged("jinstall.log", row.trace ? row.trace : "configureJvm ok: false"));
    }
    EXPECT_EQ(logMessages("errors.log"), (std::vector<std::string>{"Unable to find JVM executable",
                                                                   "Unable to configure JVM in " +
                                                                       getCurrentDir() + "\\Jvm1"}));
}
