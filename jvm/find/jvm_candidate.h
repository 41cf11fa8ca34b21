#pragma once
#include <string>
#include <vector>

#include "diagnostics/trace.h"
#include "jvm/find/jvm_ok.h"
#include "util/window_handle.h"

// One JVM a search names: where, its home, and the versions it is judged and ranked by.
struct JvmCandidate {
    std::string source;           // for the trace: "HKLM\SOFTWARE\JavaSoft\JDK\17 (64-bit view)", "JAVA_HOME"
    std::string home;             // empty: the entry names none
    bool hasRegistryVersion = false;
    std::string registryVersion;  // with it: the 1.x rule's version text, which must fit the bounds too
    std::string keyVersion;       // the version its key's name gives, for jvmChoose=newest; may be empty
};

// The bounds a search tests against.
struct JvmBounds {
    std::string required;
    std::string minimum;
    std::string maximum;
};

// One version entry of the 1.x layout (the JavaSoft keys, and those laid out
// like them) named `name`: its version text is the name, extended by "." and
// MicroVersion when that is not empty; its home the first of `homeValues` that
// names one. With jvmSearchModern, a name the OpenJDK vendors' MSIs write,
// 8.0.<update>.<build>, counts as 1.8.0_<update>.
struct VersionEntry {
    std::string version;
    std::string micro;  // MicroVersion as read
    std::string home;
};
VersionEntry readVersionEntry(RegistryKey key, const std::string& name,
                              const std::vector<const char*>& homeValues, Trace& trace);

// Tests one candidate with a JvmOk of the search, with its trace line. On
// success jvmPath is the accepted executable and jvmCommandName its name; on
// failure jvmCommandName is as it was.
int testCandidate(const JvmCandidate& candidate, const JvmBounds& bounds, WindowHandle window,
                  TestedJvms& tested, std::string& jvmCommandName, std::string& jvmPath);
