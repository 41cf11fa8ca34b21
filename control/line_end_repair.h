#pragma once
#include <string>

#include "util/replace_file.h"

// What became of the repair of a control file's line ends.
enum class LineEndRepair {
    repaired,        // the file now has carriage-return-line-feed line ends
    cannotOpen,      // the file cannot be opened for reading
    cannotCreate,    // the repaired copy cannot be created
    keptReadOnly,    // the file is read-only: it stays as it is
    keptIncomplete,  // the copy could not be written whole (a full disk): the file stays
    keptInPlace,     // the copy could not replace the file: the file stays
};

// Rewrites `filename` with carriage-return-line-feed line ends through the
// complete copy `copy`, which replaces it by `steps` (in steps through
// `backup` where the system has no one-step replace). Whatever fails, the file
// is never lost or left half written, and no copy is left behind.
LineEndRepair repairLineEnds(const std::string& filename, const std::string& copy,
                             const std::string& backup, const FileSteps& steps);

// Why a file was kept without the repair, for the trace; empty when it was not.
const char* keptReason(LineEndRepair outcome);
