#include "install/native_properties.h"

namespace {

const char* flag(bool value) {
    return value ? "true" : "false";
}

}  // namespace

std::string nativePropertiesText(int newlyInstalled, const std::string& javaHome,
                                 const std::string& installDir, int configureRegistry) {
    std::string home = javaHome;
    for (char& c : home) {
        if (c == '\\') c = '/';
    }
    std::string text = "nativeJvmHomeDir=" + home + "\n";
    text += std::string("nativeJvmInstalled=") + flag(newlyInstalled) + "\n";
    if (!newlyInstalled) {
        text += "nativeJvmInstalledInTemp=false\n";
    } else if (!installDir.empty()) {
        text += std::string("nativeJvmInstalledInTemp=") +
                flag(installDir.find("[$AppDir]") != std::string::npos) + "\n";
    }
    text += std::string("configureWinRegistry=") + flag(configureRegistry) + "\n";
    return text;
}
