// Test double for a JVM (copied into a fake JVM home as java.exe, javaw.exe,
// jre.exe or jrew.exe). Started with "-cp . TestJvm [dir]" (options may come
// first) it plays the version test and writes dir\jvmGood.txt; started any
// other way it plays the install
// wizard: records how it was started in wizard-run.txt in the current directory
// and creates __kivwizard.sem there. Every run is also appended to jvm-runs.txt
// beside the executable, so a test can count and inspect the runs, and to
// jvm-options.txt the Java option variables each run found ("test|..." or
// "wizard|...", the set ones as NAME=value;NAME=value, or "(none)").
//
// jvm-double.txt beside the executable, lines key=value, sets the behaviour:
//   version=<text>      report java version "<text>"
//   versionLine=<text>  write this exact first line instead (garbage, say);
//                       with neither key no jvmGood.txt is written at all
//   versionFileBytes=<n> make jvmGood.txt n bytes long by putting filler before
//                       the version text, so that its first line is that long
//   wizard=no           the wizard does not create __kivwizard.sem
//   exitCode=<n>        exit code of every run (default 0)
//   sleep=<ms>          the version test waits this long first (a JVM that hangs)
//   holdWhile=<path>    the version test waits first while this file exists
//   append=<line>       as the wizard, add this line to native.properties (repeatable)
//   refuse=<option>     an argument equal to this ends every run at once with
//                       exit code 1, as a JVM that refuses an option does
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "double_support.h"

namespace {

struct Config {
    std::string versionLine;
    std::size_t versionFileBytes = 0;
    bool wizardSemaphore = true;
    int exitCode = 0;
    unsigned long sleepMs = 0;
    std::string holdWhile;
    std::string appended;  // lines the wizard adds to native.properties
    std::string refused;   // an option this JVM does not start with
};

Config readConfig(const std::string& path) {
    Config config;
    forEachConfigLine(path, [&](const std::string& key, const std::string& value, const std::string&) {
        if (key == "version") config.versionLine = "java version \"" + value + "\"";
        if (key == "versionLine") config.versionLine = value;
        if (key == "wizard") config.wizardSemaphore = value != "no";
        if (key == "append") config.appended += value + "\r\n";
        if (key == "versionFileBytes") config.versionFileBytes = std::strtoul(value.c_str(), nullptr, 10);
        if (key == "exitCode") config.exitCode = std::atoi(value.c_str());
        if (key == "sleep") config.sleepMs = std::strtoul(value.c_str(), nullptr, 10);
        if (key == "refuse") config.refused = value;
        if (key == "holdWhile") config.holdWhile = value;
    });
    return config;
}

// Unset and empty are different situations for the launcher, so keep them apart.
std::string variable(const char* name) {
    SetLastError(0);
    DWORD size = GetEnvironmentVariableA(name, nullptr, 0);
    if (size == 0) return GetLastError() == ERROR_ENVVAR_NOT_FOUND ? "(unset)" : "";
    std::string value(size, '\0');
    DWORD length = GetEnvironmentVariableA(name, &value[0], size);
    value.resize(length < size ? length : 0);
    return value;
}

// The Java option variables that are set, as NAME=value;NAME=value, or (none).
std::string javaOptions() {
    std::string text;
    for (const char* name : {"JAVA_TOOL_OPTIONS", "_JAVA_OPTIONS", "JDK_JAVA_OPTIONS"}) {
        std::string value = variable(name);
        if (value != "(unset)") text += (text.empty() ? "" : ";") + std::string(name) + "=" + value;
    }
    return text.empty() ? "(none)" : text;
}

// Where "-cp . TestJvm" begins among the arguments, or 0 when they are not there.
int versionTestAt() {
    for (int i = 1; i + 2 < __argc; ++i) {
        if (std::strcmp(__argv[i], "-cp") == 0 && std::strcmp(__argv[i + 1], ".") == 0 &&
            std::strcmp(__argv[i + 2], "TestJvm") == 0) {
            return i;
        }
    }
    return 0;
}

void versionTest(const Config& config, int at) {
    if (config.sleepMs) Sleep(config.sleepMs);
    while (!config.holdWhile.empty() && GetFileAttributesA(config.holdWhile.c_str()) != INVALID_FILE_ATTRIBUTES)
        Sleep(20);
    if (config.versionLine.empty()) return;
    std::string dir = __argc > at + 3 ? __argv[at + 3] : "";
    // Always a separator, as Java's File(dir, name) adds one: a Shift-JIS name can end in a 0x5C byte.
    if (!dir.empty()) dir += '\\';
    std::string content = config.versionLine + "\r\n";
    if (config.versionFileBytes > content.size())
        content.insert(0, config.versionFileBytes - content.size(), 'x');
    writeFile(dir + "jvmGood.txt", content, "wb");
}

void wizard(const Config& config, const std::string& record) {
    std::string properties;
    bool exists = readFile("native.properties", properties);
    writeRecord("wizard-run.txt", record + (exists ? "native.properties:\n" + properties
                                                    : "native.properties: (absent)\n"));
    if (!config.appended.empty()) writeFile("native.properties", config.appended, "ab");
    if (config.wizardSemaphore) writeFile("__kivwizard.sem", "started", "wb");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string home = ownDirectory();
    Config config = readConfig(home + "\\jvm-double.txt");
    std::string cwd = currentDirectory();
    std::string classpath = variable("CLASSPATH");

    // Logged first: once the launcher sees a result file, the run is on record.
    std::string commandLine = GetCommandLineA();
    writeFile(home + "\\jvm-runs.txt", commandLine + "|cwd=" + cwd + "|classpath=" + classpath + "\n", "ab");
    int testAt = versionTestAt();
    writeFile(home + "\\jvm-options.txt", (testAt ? "test|" : "wizard|") + javaOptions() + "\n", "ab");
    for (int i = 1; i < __argc && !config.refused.empty(); ++i) {
        if (config.refused == __argv[i]) return 1;
    }
    if (testAt)
        versionTest(config, testAt);
    else
        wizard(config, "cmdline=" + commandLine + "\ncwd=" + cwd + "\nclasspath=" + classpath + "\n");
    return config.exitCode;
}
