#pragma once
#include <string>
#include <vector>

// Text rules of the JVM directory choice, kept apart from the file system.

// How a predefined directory with a variable ("[$AppDir]" and its kin) resolves.
enum class VariableDir {
    kNoVariable,    // the variable, followed by a backslash, is not in the text
    kVariableOnly,  // the text is nothing but the variable and its backslash
    kResolved,
};

// The variable must be followed by a backslash. Whatever stands before the
// variable is dropped; the rest keeps its backslash: "x[$AppDir]\jvm" with the
// value "C:\inst" gives "C:\inst\jvm". `result` is empty unless resolved.
inline VariableDir resolveVariableDir(const std::string& variable, const std::string& value,
                                      const std::string& predefinedJvmInstallDir,
                                      std::string& result) {
    result.clear();
    const std::string testDir = variable + "\\";
    std::string::size_type found = predefinedJvmInstallDir.find(testDir);
    if (found == std::string::npos) return VariableDir::kNoVariable;
    if (predefinedJvmInstallDir == testDir) return VariableDir::kVariableOnly;
    result = value + predefinedJvmInstallDir.substr(found + variable.size());
    return VariableDir::kResolved;
}
