#pragma once
#include <string>

// The lines of native.properties, which tell the wizard which JVM runs it:
// nativeJvmHomeDir (forward slashes), nativeJvmInstalled, nativeJvmInstalledInTemp
// (left out for a new JVM without an install directory) and configureWinRegistry.
std::string nativePropertiesText(int newlyInstalled, const std::string& javaHome,
                                 const std::string& installDir, int configureRegistry);
