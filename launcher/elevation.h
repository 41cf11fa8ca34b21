#pragma once
#include <string>

// executionLevel in kiv.control, the launcher's first step: before any window
// or file is made, an installation that needs administrator rights starts the
// launcher again through the UAC prompt, with the same command tail and current
// directory, and this process waits for it and ends with its exit code. The
// process started so never starts another.

// What the step asks of the system; tests answer in its place.
struct ElevationQueries {
    unsigned long (*windowsVersion)();  // as GetVersion gives it
    bool (*elevated)();
    bool (*limited)();  // an administrator's filtered token
    // Starts this program again through the shell's runas verb with this command
    // tail, in the current directory, and waits for it: 0 and its exit code, or
    // the Windows error that kept it from starting (ERROR_CANCELLED: the user
    // refused the prompt).
    unsigned long (*startAgain)(const std::string& tail, int showCommand, unsigned long& exitCode);
};

const ElevationQueries& systemElevationQueries();

// Takes the marker of a process started again off the command tail (in place),
// then decides. True when this process must end at once with `exitCode`: the
// process it started has ended, the user refused the prompt (1602), or the
// installation requires administrator rights that cannot be had (740).
bool elevationEndsRun(char* commandTail, int showCommand, int& exitCode,
                      const ElevationQueries& queries = systemElevationQueries());
