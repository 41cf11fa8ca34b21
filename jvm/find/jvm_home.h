#pragma once
#include <string>
#include <vector>

#include "diagnostics/trace.h"
#include "util/window_handle.h"

// The JVM home a registry entry names: the first of the values `names` that
// holds a text (at most 5000 bytes), as an ANSI path; on NT a home the ANSI
// code page cannot hold comes in its short form. A home that no ANSI path can
// name is traced and counts as none. Empty when no value names a home.
std::string readJvmHome(RegistryKey key, const std::vector<const char*>& names, Trace& trace);

// The same for a home an environment variable names (JAVA_HOME and its kin);
// false when the variable is not set.
bool environmentJvmHome(const char* variable, std::string& home, Trace& trace);
