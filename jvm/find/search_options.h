#pragma once
#include <string>
#include <vector>

#include "control/control_parameters.h"
#include "util/run_state.h"

// A version test of the search for today's JVMs that nothing limits ends after this.
const unsigned long kModernTestTimeoutSeconds = 60;

// The options from the keys' values: flags by the flag rule, compare when it
// is "numeric" and choose when it is "newest" (any letter case), the timeout
// by its leading decimal digits (with jvmSearchModern and no jvmTestTimeout,
// 60 seconds), the search keys separated by ";" (blanks, "HKLM\" and trailing
// backslashes dropped), the test options from jvmExtraParameters.
JvmSearchOptions parseSearchOptions(const ControlParameters& parameters);

// "JVM search: ..." naming the options that are on, for the trace.
std::string describeSearchOptions(const JvmSearchOptions& options);

// A JVM home as an environment variable or a registry value may give it:
// without surrounding double quotes and without trailing backslashes or slashes.
std::string cleanJvmHome(const std::string& home);

// What became of one candidate JVM.
enum class JvmVerdict {
    accepted,
    untested,  // accepted without a run: the installation has no TestJvm.class
    executableMissing,
    wrongArchitecture,  // its program is of an architecture jvmArch does not list: never run
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
                          const std::string& version, JvmVerdict verdict, bool testedBefore,
                          const char* architecture = nullptr);
