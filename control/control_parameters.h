#pragma once
#include <string>

// The values read from kiv.control, each limited to its capacity: the twenty
// established keys, then the opt-in keys of the JVM search.
struct ControlParameters {
    std::string jvmRequiredVersion;
    std::string jvmMinVersion;
    std::string jvmMaxVersion;
    std::string jvmVersion;
    std::string jvmName;
    std::string jvmCommandName;
    std::string jvmSelfExtractor;
    std::string predefinedJvmInstallDir;
    std::string jvmHomeDir;
    std::string jvmExtraParameters;
    std::string jvmClasspathSwitch;
    std::string loaderClasspath;
    std::string loaderJavaCommand;
    std::string systemSecurityPolicyFilename;
    std::string userSecurityPolicyFilename;
    std::string keystoreFilename;
    std::string appletUrl;
    std::string startGuiCommand;
    std::string checkGuiRunningCommand;
    std::string searchForJvm;
    std::string jvmSearchModern;
    std::string jvmVersionCompare;
    std::string jvmTestTimeout;
    std::string jvmSearchKeys;
    std::string jvmArch;
    std::string jvmChoose;
    std::string jvmTestWithOptions;
    std::string messageCaption;
    std::string jvmDownloadUrl;
    std::string jvmBundledDir;
    std::string jvmBundledFirst;
    std::string jvmInstallerArguments;
};

struct ControlKey {
    const char* name;
    std::string ControlParameters::*field;
    std::size_t capacity;  // the longest value kept; a longer one is cut
};

// The keys in the order of the control file's documentation.
extern const ControlKey kControlKeys[32];

// The keys read on their own, each by the first line that carries it
// (control/first_key_line.h). With kControlKeys, every key the launcher reads.
extern const char* const kFirstLineKeys[4];

// Stores a key line's value in its field, cut at the field's capacity. Returns
// false when the line defines none of the keys. A line is taken by the longest
// key name it begins with: jvmVersionCompare is not read as jvmVersion.
bool storeKeyLine(const std::string& line, ControlParameters& parameters, const ControlKey** key);

// Fills in the defaults and the final command name. `console` keeps java.exe
// or jre.exe instead of their windowed programs.
void applyDefaults(ControlParameters& parameters, bool console);
