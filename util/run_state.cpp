#include "util/run_state.h"

std::string waitInstallFilename;
std::string showDialogFilename;
std::atomic<WindowHandle> hDlgMain{nullptr};
std::vector<std::string> startupNotes;
std::string installDirectoryUnnamed;
std::atomic<bool> workerFinished{false};
JvmSearchOptions jvmSearchOptions;

namespace {

// No lock: the code is written once, before the flag that publishes it.
std::atomic<int> reportedCode{0};
std::atomic<bool> reported{false};

}  // namespace

void setReportedExitCode(int code) {
    reportedCode.store(code, std::memory_order_relaxed);
    reported.store(true, std::memory_order_release);
}

bool getReportedExitCode(int& code) {
    if (!reported.load(std::memory_order_acquire)) return false;
    code = reportedCode.load(std::memory_order_relaxed);
    return true;
}
