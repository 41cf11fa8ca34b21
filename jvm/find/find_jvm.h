#pragma once
#include <string>

#include "diagnostics/trace.h"

// Asks whether an acceptable JVM is installed; keeps the caller's command name
// intact when none is found.
class FindJvm : public Trace {
public:
    void setHwnd(WindowHandle window) { window_ = window; }

    // searchFlag is accepted for the callers' sake and not used.
    int isJvmInstalled(const std::string& windowsDirectory, const std::string& jvmRequiredVersion,
                       const std::string& jvmMinVersion, const std::string& jvmMaxVersion,
                       const std::string& jvmName, std::string& jvmCommandName, std::string& jvmPath,
                       const std::string& searchFlag);

private:
    WindowHandle window_ = nullptr;
};
