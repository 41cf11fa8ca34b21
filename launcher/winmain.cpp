// WinMain: the hidden main window, the status dialog, the worker thread and the
// three waits on the semaphore files that the worker removes.
#include <windows.h>
#include <process.h>

#include <cstdio>
#include <string>

#include "diagnostics/status.h"
#include "diagnostics/window_station.h"
#include "launcher/command_line.h"
#include "launcher/elevation.h"
#include "launcher/folder_lock.h"
#include "launcher/handover.h"
#include "launcher/resources/resource.h"
#include "launcher/shell_state.h"
#include "launcher/status_dialog.h"
#include "launcher/worker.h"
#include "locale/language.h"
#include "util/ansi_path.h"
#include "util/file_utils.h"
#include "util/run_files.h"
#include "util/system_function.h"

namespace {

const UINT_PTR kTimerId = 1;
const UINT kTimerPeriodMs = 100;
const int kLingerMessages = 199;
const char kWindowClass[] = "GenericWClass";

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        postedQuit = 1;
        return 0;
    case WM_SETFOCUS:
        SetFocus(hDlgMain);
        return 0;
    case WM_TIMER:
        return 0;  // the timer only wakes the waits
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

bool registerWindowClass() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = MainWndProc;
    windowClass.hInstance = hInst;
    windowClass.hIcon = LoadIconA(hInst, "IDI_ICON1");
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszMenuName = "";
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

// The windows of this thread take no typed text. Left on, the input-method
// support gives the thread its own IME window and, under Wine, loads the COM
// libraries for it: memory for nothing (docs/benchmarks.md). IMM32 is there
// only if USER32 loaded it; it is not loaded here, and the worker's message
// boxes keep theirs.
void disableInputMethod() {
    using DisableImeFunction = BOOL(WINAPI*)(DWORD threadId);
    auto disable = systemFunction<DisableImeFunction>("imm32.dll", "ImmDisableIME");
    if (disable != nullptr) disable(0);  // 0: the calling thread
}

// Runs one wait: messages are handled one at a time, and `done` is asked after
// each. Ends when done says so (the timer is then killed) or on the quit message.
template <typename Done>
void runWait(HWND mainWindow, WPARAM& exitCode, Done done) {
    SetTimer(mainWindow, kTimerId, kTimerPeriodMs, nullptr);
    MSG message;
    for (;;) {
        BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == -1) break;  // cannot happen with a null window filter; never spin on it
        exitCode = message.wParam;
        if (got == 0) return;
        HWND dialog = hDlgMain;
        if (dialog == nullptr || !IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (done()) break;
    }
    KillTimer(mainWindow, kTimerId);
}

void runWaits(HWND mainWindow, WPARAM& exitCode, bool installSemaphoreMade, bool showSemaphoreMade) {
    // Without its semaphore file (a read-only directory) the worker's own end is
    // awaited, or the process would end under a worker that has yet to report.
    // That end also counts when the file stays: a stale read-only one (an
    // installation copied from a CD) can be neither made nor removed.
    auto installGone = [installSemaphoreMade] {
        return workerFinished || (installSemaphoreMade && !fileExists(waitInstallFilename));
    };
    // Likewise the dialog's file: one that could not be made counts as gone.
    runWait(mainWindow, exitCode, [&] {
        return installGone() || !showSemaphoreMade || !fileExists(showDialogFilename);
    });

    int lingered = 0;
    runWait(mainWindow, exitCode, [&] {
        if (lingered > kLingerMessages || installGone()) return true;
        ++lingered;
        return false;
    });

    if (HWND dialog = hDlgMain) ShowWindow(dialog, SW_HIDE);
    ShowWindow(mainWindow, SW_HIDE);

    if (!installGone()) runWait(mainWindow, exitCode, installGone);
}

void showStatusDialog(HWND mainWindow, HWND dialog, int showCommand) {
    ShowWindow(mainWindow, showCommand);
    ShowWindow(dialog, SW_SHOW);
    std::string text = getMessage(dialog, IDC_STATUS_TEXT);
    SetDlgItemTextA(dialog, IDC_STATUS_TEXT, text.c_str());
}

// Whether the current directory holds the control file, or the backup an
// interrupted replacement on 95, 98 or Me leaves in its place, which the worker puts back.
bool holdsControlFile() {
    return fileExists(kControlFile) || fileExists(kControlBackup);
}

// A deployment tool may start the launcher by its full path from another
// folder: when the control file is not in the current directory but lies
// beside the program, the program's folder becomes the current directory.
void useOwnFolder() {
    std::string caller, folder;
    if (holdsControlFile() || !useFolderOf(ownProgramPath(), holdsControlFile, caller, folder)) return;
    startupNotes.push_back("kiv.control is not in the current directory " + caller +
                           ": the launcher's own folder " + folder + " is used");
}

// Before anything names the current directory: on NT one that the ANSI code
// page cannot hold is made current in its short form.
void nameInstallDirectory() {
    AnsiPath directory = useAnsiCurrentDirectory();
    if (directory.kind == AnsiPath::Kind::shortForm) {
        startupNotes.push_back("installation directory named by its short form " + directory.path +
                               ": the ANSI code page cannot hold " + directory.longForm);
    } else if (directory.kind == AnsiPath::Kind::unnamed) {
        installDirectoryUnnamed = "The installation directory " + directory.longForm +
                                  " cannot be named: the ANSI code page cannot hold it, and it has no short name";
    }
}

bool startWorker(const char* commandLine) {
    std::string* text = new std::string(commandLine ? commandLine : "");
    if (_beginthread(startMainThread, 0, text) != static_cast<uintptr_t>(-1)) return true;
    delete text;
    return false;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previousInstance, LPSTR commandLine, int showCommand) {
    // Before anything can show a box: a service's run must never wait on one.
    keepBoxesOffInvisibleStation();
    // Before any file is made: the folder the installation lies in, named by an ANSI path.
    useOwnFolder();
    nameInstallDirectory();
    // Then, before anything else: executionLevel may start the launcher again elevated.
    int elevationExitCode = 0;
    if (elevationEndsRun(commandLine, showCommand, elevationExitCode)) return elevationExitCode;
    // One launcher per installation directory: one started meanwhile leaves the run to the first.
    FolderLock folderLock;
    if (folderLock.heldElsewhere()) return folderLock.giveWay();
    const bool unnamed = !installDirectoryUnnamed.empty();
    std::string currentDir = unnamed ? std::string() : getCurrentDir();
    // A directory that no ANSI path names is left to relative names, which the
    // system resolves itself; the worker fails at once, so nothing changes it.
    const std::string prefix = unnamed ? std::string() : currentDir + "\\";
    waitInstallFilename = prefix + kInstallSemaphore;
    showDialogFilename = prefix + kShowSemaphore;
    // Read now: clean-up removes startdir.txt long before the hand-over. The
    // clean-up program could not be told a directory that cannot be named.
    std::string startDir = unnamed ? std::string() : getStartDir();

    hInst = instance;
    disableInputMethod();
    if (previousInstance == nullptr && !registerWindowClass()) return 0;

    HWND mainWindow = CreateWindowExA(0, kWindowClass, "", WS_POPUP, CW_USEDEFAULT, 0, 0, 0,
                                      nullptr, nullptr, instance, nullptr);
    HWND dialog = CreateDialogA(instance, "STATUSDIALOG", mainWindow, StatusDialog);
    hDlgMain = dialog;
    setWindowCharType(dialog);
    folderLock.markDialog(dialog);

    if (!isQuietCommandLine(commandLine ? commandLine : "")) {
        showStatusDialog(mainWindow, dialog, showCommand);
    }

    // The semaphore files exist before the worker starts: a worker that ended at
    // once would otherwise remove them before they were written, and the last
    // wait would never end.
    bool installSemaphoreMade = createSemaphoreFile(waitInstallFilename) != 0;
    bool showSemaphoreMade = createSemaphoreFile(showDialogFilename) != 0;
    WPARAM exitCode = 0;
    if (startWorker(commandLine)) {
        runWaits(mainWindow, exitCode, installSemaphoreMade, showSemaphoreMade);
    } else {
        std::remove(showDialogFilename.c_str());
        std::remove(waitInstallFilename.c_str());
    }

    handOverToCleanup(currentDir, startDir);
    if (!postedQuit) PostQuitMessage(0);
    int reported = 0;
    if (getReportedExitCode(reported)) return reported;
    // A box the user closes leaves the waits to end on their timer's message. One left
    // out where nobody could see it may let them end on a paint message, whose 0 would
    // tell a deployment tool that a failed run succeeded.
    return boxLeftOut() ? static_cast<int>(kTimerId) : static_cast<int>(exitCode);
}
