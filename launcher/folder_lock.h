#pragma once
#include <windows.h>

#include <string>

#include "util/win_handles.h"

// One launcher per installation directory. Two in one folder (a double-click
// twice, a deployment tool that retries) would share its marker files, logs
// and native.properties, and each would start a wizard. The first holds a named
// mutex for its whole run; one started meanwhile finds it and gives way.
class FolderLock {
public:
    // Takes the lock of the current directory, the installation directory.
    FolderLock();
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Another launcher runs in this folder.
    bool heldElsewhere() const { return heldElsewhere_; }

    // For the launcher that found the lock held: brings the other one's status
    // dialog to the front if it is shown, and gives the exit code. A double-click
    // twice is no error: nothing is written and no box is shown.
    int giveWay() const;

    // Marks this run's status dialog, by which a second launcher finds it.
    void markDialog(HWND dialog);

private:
    std::string name_;
    UniqueKernelHandle mutex_;
    bool heldElsewhere_ = false;
    HWND dialog_ = nullptr;
};
