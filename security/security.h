#pragma once
#include <string>

#include "diagnostics/trace.h"

// Installs the Java security files an installation carries: the system and
// user policy files and the certificate store (identity database).
class Security : public Trace {
public:
    void setHwnd(WindowHandle window) { window_ = window; }

    // 1 for success, 0 for failure; see the implementation for the rule.
    int addSecurity(const std::string& systemSecurityPolicyFilename,
                    const std::string& userSecurityPolicyFilename, const std::string& keystoreFilename,
                    const std::string& javaHomeDir, const std::string& homeDirectory, int replace);

private:
    WindowHandle window_ = nullptr;
};
