#include "launcher/folder_lock.h"

#include <vector>

#include "control/first_key_line.h"
#include "launcher/folder_lock_name.h"
#include "util/file_utils.h"

namespace {

const int kAlreadyRunning = 1618;  // ERROR_INSTALL_ALREADY_RUNNING, as msiexec reports it
const DWORD kPathLimit = 5000;

// The long and the short (8.3) form of a path name the same folder: the short
// one is the spelling both launchers can agree on.
std::string folderSpelling() {
    std::string folder = getCurrentDir();
    std::vector<char> buffer(kPathLimit + 1, '\0');
    DWORD length = GetShortPathNameA(folder.c_str(), buffer.data(), kPathLimit);
    if (length > 0 && length <= kPathLimit) folder.assign(buffer.data(), length);
    return folder;
}

// The top-level dialog a launcher marked with the lock's name, or null.
HWND markedDialog(const std::string& name) {
    HWND window = nullptr;
    while ((window = FindWindowExA(nullptr, window, "#32770", nullptr)) != nullptr) {
        if (GetPropA(window, name.c_str()) != nullptr) return window;
    }
    return nullptr;
}

}  // namespace

FolderLock::FolderLock() : name_(folderLockName(folderSpelling())) {
    SetLastError(ERROR_SUCCESS);
    mutex_.reset(CreateMutexA(nullptr, FALSE, name_.c_str()));
    const DWORD error = GetLastError();
    // Access denied: the mutex is there, made by a launcher with more rights
    // (an elevated one). Any other failure leaves the run unguarded, not stopped.
    heldElsewhere_ = error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED);
    if (heldElsewhere_) mutex_.reset();
}

FolderLock::~FolderLock() {
    if (dialog_ && IsWindow(dialog_)) RemovePropA(dialog_, name_.c_str());
}

int FolderLock::giveWay() const {
    HWND dialog = markedDialog(name_);
    if (dialog && IsWindowVisible(dialog)) SetForegroundWindow(dialog);
    // Without the report: 0, the code of a run whose waits took no message.
    return exitCodeReportWanted() ? kAlreadyRunning : 0;
}

void FolderLock::markDialog(HWND dialog) {
    if (mutex_ && dialog && SetPropA(dialog, name_.c_str(), dialog)) dialog_ = dialog;
}
