#pragma once
#include <string>

// How JVMs are found and tested beyond the launcher's established behaviour.
// Each is switched on by a key of kiv.control; without the keys all are off.
struct JvmSearchOptions {
    bool modernSearch = false;             // jvmSearchModern: today's registry keys and JAVA_HOME
    bool numericCompare = false;           // jvmVersionCompare=numeric
    unsigned long testTimeoutSeconds = 0;  // jvmTestTimeout; 0: a version test may run for ever

    // Any of the keys: the version test runs without the Java option variables,
    // tests an executable once per search, and each candidate gets a trace line.
    bool any() const { return modernSearch || numericCompare || testTimeoutSeconds != 0; }
};

// The options from the keys' values: modern by the flag rule, compare when it
// is "numeric" in any letter case, timeout by its leading decimal digits.
JvmSearchOptions parseSearchOptions(const std::string& modern, const std::string& compare,
                                    const std::string& timeout);

// "JVM search: ..." naming the options that are on, for the trace.
std::string describeSearchOptions(const JvmSearchOptions& options);

// Set by the worker once kiv.control has been read, before any JVM is looked
// for; every version test of the run follows it.
extern JvmSearchOptions jvmSearchOptions;

// A JVM home as an environment variable or a registry value may give it:
// without surrounding double quotes and without trailing backslashes or slashes.
std::string cleanJvmHome(const std::string& home);

// What became of one candidate JVM.
enum class JvmVerdict {
    accepted,
    untested,  // accepted without a run: the installation has no TestJvm.class
    executableMissing,
    notStarted,
    timedOut,
    noVersion,
    outsideBounds,
    registryOutsideBounds,
};

// The trace line of one candidate: where it was named, its home, the version it
// reported and the verdict, for example "jvm candidate: JAVA_HOME, home C:\jdk,
// version 1.8.0_77: rejected, version outside the bounds".
std::string candidateLine(const std::string& source, const std::string& home,
                          const std::string& version, JvmVerdict verdict, bool testedBefore);
