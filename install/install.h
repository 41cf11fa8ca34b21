#pragma once
#include <string>

#include "diagnostics/trace.h"

// Runs one installation from start to clean-up.
class Install : public Trace {
public:
    // quiet and silent are the command-line switches; passThrough follows them to the wizard.
    // Returns 1 for success, 0 for failure.
    int install(int quiet, int silent, const std::string& passThrough);
};
