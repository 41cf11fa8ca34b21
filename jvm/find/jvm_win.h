#pragma once
#include <string>
#include <vector>

#include "diagnostics/trace.h"
#include "jvm/find/jvm_candidate.h"
#include "jvm/find/jvm_ok.h"

// Walks the JavaSoft registry entries of installed JVMs (runtime, development
// kit, plug-in) and tests each version until one passes.
class JvmWin : public Trace {
public:
    void setHwnd(WindowHandle window) { window_ = window; }

    // On success jvmPath is the accepted executable and jvmCommandName its name;
    // on failure jvmCommandName is as it was at entry.
    int searchWindowsForJvm(const std::string& windowsDirectory, const std::string& required,
                            const std::string& minimum, const std::string& maximum,
                            const std::string& jvmName, std::string& jvmCommandName,
                            std::string& jvmPath);
    int searchRegistryForJvm(const std::string& productKey, const std::string& required,
                             const std::string& minimum, const std::string& maximum,
                             const std::string& jvmName, std::string& jvmCommandName,
                             std::string& jvmPath, const std::string& windowsDirectory);
    int lookUpRegistryEntryForJvm(const std::string& productKey, const std::string& required,
                                  const std::string& minimum, const std::string& maximum,
                                  std::string& subkeyName, std::string& jvmCommandName,
                                  std::string& home, std::string& jvmPath);

private:
    // One entry of a product key: its version text in `subkeyName` (completed
    // by MicroVersion, or for the plug-in from the control file's version) and
    // its home. False when it cannot be opened.
    bool readEntry(const std::string& productKey, const std::string& required, const std::string& minimum,
                   std::string& subkeyName, std::string& home);
    // jvmChoose=newest: every candidate of these keys and, with jvmSearchModern,
    // of today's places, one for each home, tested newest first.
    int chooseNewest(const JvmBounds& bounds, const std::string& jvmName, std::string& jvmCommandName,
                     std::string& jvmPath);
    // Every candidate of the keys above (only the plug-in's in plug-in mode)
    // and of today's places, in the search order, none tested.
    std::vector<JvmCandidate> gatherCandidates(const JvmBounds& bounds, const std::string& jvmName,
                                               const std::string& jvmCommandName);

    Status progress_;  // reports a step before each product key
    WindowHandle window_ = nullptr;
    TestedJvms tested_;  // with the opt-in keys: the executables this search has run
    std::string entryName_;  // the subkey's name as enumerated, for the candidate's trace line
};

// Product keys under HKEY_LOCAL_MACHINE, also written when a JVM is registered.
extern const char kJreKey[];
extern const char kJdkKey[];
extern const char kPluginKey[];
