#pragma once
#include <string>

// The twenty values read from kiv.control, each limited to its capacity.
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
};

struct ControlKey {
    const char* name;
    std::string ControlParameters::*field;
    std::size_t capacity;  // the longest value kept; a longer one is cut
};

// The keys in the order of the control file's documentation.
extern const ControlKey kControlKeys[20];

// Stores a key line's value in its field, cut at the field's capacity. Returns
// false when the line defines none of the keys.
bool storeKeyLine(const std::string& line, ControlParameters& parameters, const ControlKey** key);

// Fills in the defaults and the final command name. `console` keeps java.exe
// or jre.exe instead of their windowed programs.
void applyDefaults(ControlParameters& parameters, bool console);
