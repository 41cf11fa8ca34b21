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

// The name looked for when a "jre" name is not found. 1.1 runtimes were
// jre.exe and jrew.exe; later ones of the same installation are java.exe, or
// the windowed javaw.exe when the launcher made the trace log itself
// (jinstall.sem). Empty for any other name.
std::string javaNameInsteadOf(const std::string& jvmCommandName);
