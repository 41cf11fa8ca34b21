#pragma once
#include <string>
#include <vector>

#include "diagnostics/trace.h"
#include "jvm/find/search_options.h"

// One executable's version test, kept for the rest of a search.
struct TestedJvm {
    std::string path;
    std::string version;
    JvmVerdict verdict;
};
using TestedJvms = std::vector<TestedJvm>;

// Tests one candidate JVM: finds its executable below a home directory, runs
// it on TestJvm.class and compares the version it reports with the bounds.
class JvmOk : public Trace {
public:
    void setHwnd(WindowHandle window) { window_ = window; }
    // A candidate of the search for installed JVMs, with the opt-in keys: each
    // executable is tested once (the search's keys often name one JVM several
    // times; tests are kept in, and taken from, `tested`), and one of an
    // architecture that jvmArch does not list is never run.
    void setTestedJvms(TestedJvms* tested) { tested_ = tested; }
    // With the opt-in keys, one trace line on the candidate just checked.
    void traceCandidate(const std::string& source, const std::string& home);

    // With the version text the registry gives: the run test must pass and that
    // text must fit too, leniently (verifyRegistryVersion) only when the test ran
    // and reported a version. On failure jvmCommandName is as it was at entry.
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

    // The version a registry entry gives: verifyVersion, except that under the
    // numeric rule one less precise than a bound is left to the version test.
    int verifyRegistryVersion(const std::string& required, const std::string& minimum,
                              const std::string& maximum, const std::string& version);

private:
    int tryPath(const std::string& required, const std::string& minimum, const std::string& maximum,
                const std::string& path, const std::string& name, std::string& jvmPath);
    int runTest(const std::string& required, const std::string& minimum, const std::string& maximum,
                const std::string& executablePath);
    const TestedJvm* testedBefore(const std::string& executablePath) const;

    WindowHandle window_ = nullptr;
    TestedJvms* tested_ = nullptr;
    // The last candidate: the version its test reported and what became of it.
    std::string reported_;
    JvmVerdict verdict_ = JvmVerdict::executableMissing;
    bool testedBefore_ = false;
    const char* architecture_ = nullptr;  // of a program skipped for it
};

// The first program that jvmCorrectVersion would try below `home`, without
// testing it; empty when none of its paths exists.
std::string executableBelow(const std::string& home, const std::string& jvmCommandName);

// The name looked for when a "jre" name is not found. 1.1 runtimes were
// jre.exe and jrew.exe; later ones of the same installation are java.exe, or
// the windowed javaw.exe when the launcher made the trace log itself
// (jinstall.sem). Empty for any other name.
std::string javaNameInsteadOf(const std::string& jvmCommandName);
