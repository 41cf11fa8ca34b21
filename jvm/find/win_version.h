#pragma once
#include "diagnostics/trace.h"

// 1 for a version number (as GetVersion gives it) of the Windows NT family,
// whose highest bit is clear; 0 for Windows 9x.
int isWinNTVersion(unsigned long version);

// Tells the Windows NT family from Windows 9x. The system is asked once per object.
class WinVersion : public Trace {
public:
    using VersionQuery = unsigned long (*)();

    WinVersion();
    // For tests: answers with the given query instead of the system's GetVersion.
    explicit WinVersion(VersionQuery query) : query_(query) {}

    int winNT();

private:
    VersionQuery query_;
    int ntFlag_ = 0;
    int queryCount_ = 0;
};
