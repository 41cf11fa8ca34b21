#pragma once
#include <string>

#include "diagnostics/trace.h"

// Tests one candidate JVM: finds its executable below a home directory, runs
// it on TestJvm.class and compares the version it reports with the bounds.
class JvmOk : public Trace {
public:
    void setHwnd(WindowHandle window) { window_ = window; }

    // With the version text the registry gives: the run test must pass and that
    // text must fit too. On failure jvmCommandName is as it was at entry.
    int jvmCorrectVersion(const std::string& required, const std::string& minimum,
                          const std::string& maximum, const std::string& versionText,
                          const std::string& home, std::string& jvmCommandName, std::string& jvmPath);

    // Tries home\name, home\bin\name and, for a "jre" name, the "java" names.
    // On success jvmPath is the executable that passed and jvmCommandName its name.
    int jvmCorrectVersion(const std::string& required, const std::string& minimum,
                          const std::string& maximum, const std::string& home,
                          std::string& jvmCommandName, std::string& jvmPath);

    int correctVersion(const std::string& required, const std::string& minimum,
                       const std::string& maximum, const std::string& commandName,
                       const std::string& executablePath);
    int testVersion(const std::string& required, const std::string& minimum,
                    const std::string& maximum, const std::string& executablePath);
    int checkVersion(const std::string& filename, const std::string& required,
                     const std::string& minimum, const std::string& maximum);
    int testLine(const std::string& line, const std::string& required, const std::string& minimum,
                 const std::string& maximum);
    int verifyVersion(const std::string& required, const std::string& minimum,
                      const std::string& maximum, const std::string& version);

private:
    int tryPath(const std::string& required, const std::string& minimum, const std::string& maximum,
                const std::string& path, const std::string& name, std::string& jvmPath);

    WindowHandle window_ = nullptr;
};
