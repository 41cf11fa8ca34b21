#pragma once
#include <string>
#include <vector>

// The JVM directory in jvmInstallerArguments, as "[$AppDir]" names the
// installation directory in predefinedJvmInstallDir.
inline constexpr char kJvmDirVariable[] = "[$JvmDir]";

// The arguments jvmInstallerArguments gives the self-extractor or the vendor
// installer: its words, split at blanks (empty ones dropped), each "[$JvmDir]"
// replaced by the JVM directory, each quoted by the rule for the control
// file's words: one with a blank in double quotes, unless it holds a double
// quote of the author's own (INSTALLDIR="[$JvmDir]" stays as written).
std::vector<std::string> installerArguments(const std::string& words, const std::string& jvmDirectory);
