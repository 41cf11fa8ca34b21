#include "jvm/find/win_version.h"

#include <windows.h>

namespace {

unsigned long systemVersion() {
    return GetVersion();
}

}  // namespace

int isWinNTVersion(unsigned long version) {
    return (version & 0x80000000UL) == 0 ? 1 : 0;
}

int isProfileHomeVersion(unsigned long version) {
    return isWinNTVersion(version) && (version & 0xFF) >= 5 ? 1 : 0;
}

WinVersion::WinVersion() : query_(systemVersion) {}

int WinVersion::winNT() {
    if (queryCount_ > 0) return ntFlag_;
    version_ = query_();
    if (isWinNTVersion(version_)) {
        ntFlag_ = 1;
    } else if ((version_ & 0xFF) <= 3) {
        traceMessage(kTraceLog, "Bad version of windows");
    }
    ++queryCount_;
    return ntFlag_;
}

int WinVersion::profileHome() {
    winNT();
    return isProfileHomeVersion(version_);
}
