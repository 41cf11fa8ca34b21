#pragma once
#include "diagnostics/trace.h"

// 1 for a version number (as GetVersion gives it) of the Windows NT family,
// whose highest bit is clear; 0 for Windows 9x.
int isWinNTVersion(unsigned long version);

// 1 for Windows 2000 (NT 5.0) and later, where the user's profile has its own
// folder and every JVM since 1.4 takes the user's home from it.
int isProfileHomeVersion(unsigned long version);

// Tells the Windows NT family from Windows 9x. The system is asked once per object.
class WinVersion : public Trace {
public:
    using VersionQuery = unsigned long (*)();

    WinVersion();
    // For tests: answers with the given query instead of the system's GetVersion.
    explicit WinVersion(VersionQuery query) : query_(query) {}

    int winNT();
    int profileHome();

private:
    VersionQuery query_;
    unsigned long version_ = 0;
    int ntFlag_ = 0;
    int queryCount_ = 0;
};
