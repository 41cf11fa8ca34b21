#include "launcher/shell_state.h"

std::string waitInstallFilename;
std::string showDialogFilename;
std::atomic<HWND> hDlgMain{nullptr};
int postedQuit = 0;
std::atomic<bool> workerFinished{false};
HINSTANCE hInst = nullptr;
