// Test tool: watches the windows another process shows, as a user would see them.
//   boxwatch watch <record> <stop-file>  records every message box (caption, text,
//        style, extended style, icon, buttons) and presses OK, or in a box that asks
//        Yes or No the button BOXWATCH_ANSWER names ("yes"; otherwise No); records the
//        status dialog once when it is first visible; ends when <stop-file> exists.
//   boxwatch escape                      presses Escape on the status dialog.
//   boxwatch close                       closes it as its system menu would (WM_CLOSE).
//   boxwatch state                       prints whether the status dialog and the main
//        window exist and are visible.
//   boxwatch post <n>                    posts n empty messages to the launcher's main
//        window, pauses for them to be taken, then prints the state.
//   boxwatch exec <program> <file>       starts <program> with exactly the command line
//        held in <file> after its name (quoted when it holds a blank), waits, and prints
//        its exit code. BOXWATCH_TOKEN=limited starts it with this process's linked token,
//        the limited one of a split administrator (Wine gives every process the full
//        token): it then sees itself unelevated, as under UAC. BOXWATCH_STATION=<name>
//        starts it on a new window station of that name, which is not visible, as a
//        service's process is. BOXWATCH_SET_<NAME>=<value> gives it NAME=<value>, also
//        where Wine sets NAME itself in every process started from Linux (USERPROFILE).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <set>
#include <string>
#include <vector>

#include "double_support.h"

namespace {

const int kStatusTextId = 104;

// What one of the A functions that fill a buffer (GetClassNameA, GetWindowTextA,
// GetDlgItemTextA) writes for these arguments.
template <typename Get, typename... Args>
std::string textOf(Get get, Args... args) {
    char text[4096] = "";
    get(args..., text, static_cast<int>(sizeof text));
    return text;
}

// Control characters as escapes, so a record is one line; other bytes stay as they are.
std::string escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        const char* escape = c == '\n' ? "\\n" : c == '\r' ? "\\r" : c == '\t' ? "\\t" : c == '\\' ? "\\\\" : nullptr;
        out += escape ? std::string(escape) : std::string(1, c);
    }
    return out;
}

BOOL CALLBACK collectDialog(HWND window, LPARAM list) {
    if (textOf(GetClassNameA, window) == "#32770") reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> topLevelDialogs() {
    std::vector<HWND> found;
    EnumWindows(collectDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}

bool isStatusDialog(HWND window) {
    return GetDlgItem(window, kStatusTextId) != nullptr && GetDlgItem(window, IDOK) == nullptr;
}

bool asksYesOrNo(HWND window) {
    return GetDlgItem(window, IDYES) != nullptr && GetDlgItem(window, IDNO) != nullptr;
}

bool isMessageBox(HWND window) {
    return (GetDlgItem(window, IDOK) != nullptr || asksYesOrNo(window)) && IsWindowVisible(window);
}

HWND findStatusDialog() {
    for (HWND window : topLevelDialogs()) {
        if (isStatusDialog(window)) return window;
    }
    return nullptr;
}

// Which standard icon a box shows, judged by its pixels on the screen: the one
// that, drawn on the box's background, matches at least nine pixels in ten.
std::string iconName(HWND box) {
    HWND icon = GetDlgItem(box, 0x440);         // Wine's id for the icon static
    if (!icon) icon = GetDlgItem(box, 0x14);    // Windows' id
    if (!icon) return "none";
    RECT rect;
    GetWindowRect(icon, &rect);
    const int size = GetSystemMetrics(SM_CXICON);
    HDC screen = GetDC(nullptr);
    HDC shot = CreateCompatibleDC(screen), drawn = CreateCompatibleDC(screen);
    HBITMAP shotBitmap = CreateCompatibleBitmap(screen, size, size);
    HBITMAP drawnBitmap = CreateCompatibleBitmap(screen, size, size);
    HGDIOBJ oldShot = SelectObject(shot, shotBitmap), oldDrawn = SelectObject(drawn, drawnBitmap);
    BitBlt(shot, 0, 0, size, size, screen, rect.left, rect.top, SRCCOPY);
    HBRUSH background = CreateSolidBrush(GetPixel(shot, 0, 0));
    std::string found = "unknown";
    for (auto candidate : {std::make_pair("error", IDI_HAND), std::make_pair("warning", IDI_EXCLAMATION)}) {
        RECT all = {0, 0, size, size};
        FillRect(drawn, &all, background);
        DrawIcon(drawn, 0, 0, LoadIconA(nullptr, candidate.second));
        int same = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) same += GetPixel(drawn, x, y) == GetPixel(shot, x, y);
        if (same > size * size * 9 / 10) found = candidate.first;
    }
    DeleteObject(background);
    SelectObject(shot, oldShot);
    SelectObject(drawn, oldDrawn);
    DeleteObject(shotBitmap);
    DeleteObject(drawnBitmap);
    DeleteDC(shot);
    DeleteDC(drawn);
    ReleaseDC(nullptr, screen);
    return found;
}

std::string rectText(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    char text[80];
    std::snprintf(text, sizeof text, "%ld,%ld,%ld,%ld", rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top);
    return text;
}

void writeRecord(FILE* out, const std::string& line) {
    std::fputs(line.c_str(), out);
    std::fputc('\n', out);
    std::fflush(out);
}

void recordBox(FILE* out, HWND box) {
    Sleep(200);  // let it finish drawing before its icon is read
    char styles[64];
    std::snprintf(styles, sizeof styles, "%08lX\t%08lX", GetWindowLongA(box, GWL_STYLE),
                  GetWindowLongA(box, GWL_EXSTYLE));
    writeRecord(out, "box\t" + escaped(textOf(GetWindowTextA, box)) + "\t" +
                         escaped(textOf(GetDlgItemTextA, box, 0xFFFF)) + "\t" + styles + "\t" + iconName(box) + "\t" +
                         (asksYesOrNo(box) ? "yes/no" : "ok"));
}

void recordStatusDialog(FILE* out, HWND dialog) {
    // The text is set just after the dialog is shown.
    for (int tries = 0; tries < 100 && textOf(GetDlgItemTextA, dialog, kStatusTextId).empty(); ++tries) Sleep(10);
    HWND parent = GetParent(dialog);
    writeRecord(out, "status\t" + escaped(textOf(GetWindowTextA, dialog)) + "\t" +
                         escaped(textOf(GetDlgItemTextA, dialog, kStatusTextId)) + "\t" + rectText(dialog) + "\t" +
                         rectText(parent) + "\t" + (IsWindowVisible(parent) ? "1" : "0"));
}

int watch(const char* recordPath, const char* stopPath) {
    FILE* out = std::fopen(recordPath, "ab");
    if (!out) return 1;
    std::set<HWND> pressed;
    bool statusSeen = false;
    for (;;) {
        bool stopping = GetFileAttributesA(stopPath) != INVALID_FILE_ATTRIBUTES;
        for (HWND window : topLevelDialogs()) {
            if (isMessageBox(window)) {
                if (pressed.insert(window).second) recordBox(out, window);
                int button = IDOK;
                if (asksYesOrNo(window)) {
                    const char* answer = std::getenv("BOXWATCH_ANSWER");
                    button = answer != nullptr && std::strcmp(answer, "yes") == 0 ? IDYES : IDNO;
                }
                PostMessageA(window, WM_COMMAND, button, 0);
            } else if (!statusSeen && isStatusDialog(window) && IsWindowVisible(window)) {
                statusSeen = true;
                recordStatusDialog(out, window);
            }
        }
        if (stopping) break;
        Sleep(10);
    }
    std::fclose(out);
    return 0;
}

int actOnStatusDialog(bool escape) {
    for (int tries = 0; tries < 2000; ++tries) {
        HWND dialog = findStatusDialog();
        if (dialog && IsWindowVisible(dialog)) {
            if (escape) {
                PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
                PostMessageA(dialog, WM_KEYUP, VK_ESCAPE, 0);
            } else {
                PostMessageA(dialog, WM_CLOSE, 0, 0);
            }
            std::puts("done");
            return 0;
        }
        Sleep(10);
    }
    std::puts("no status dialog");
    return 1;
}

const char* windowState(HWND window) {
    return !window ? "absent" : IsWindowVisible(window) ? "visible" : "hidden";
}

int printState() {
    std::printf("status-dialog=%s main-window=%s\n", windowState(findStatusDialog()),
                windowState(FindWindowA("GenericWClass", nullptr)));
    return 0;
}

// Each posted message is one that the launcher's waits take and count; they take
// hundreds in far less than the pause.
int postMessages(int count) {
    HWND main = FindWindowA("GenericWClass", nullptr);
    for (int i = 0; i < count; ++i) PostMessageA(main, WM_NULL, 0, 0);
    Sleep(500);
    return printState();
}

// The limited token linked to this process's full one, as a primary token; null
// when there is none.
HANDLE limitedToken() {
    HANDLE own = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE, &own)) return nullptr;
    TOKEN_LINKED_TOKEN linked = {};
    DWORD size = 0;
    BOOL got = GetTokenInformation(own, TokenLinkedToken, &linked, sizeof linked, &size);
    CloseHandle(own);
    if (!got) return nullptr;
    HANDLE primary = nullptr;
    if (!DuplicateTokenEx(linked.LinkedToken, MAXIMUM_ALLOWED, nullptr, SecurityImpersonation, TokenPrimary,
                          &primary))
        primary = nullptr;
    CloseHandle(linked.LinkedToken);
    return primary;
}

// A window station of that name with a desktop "Default", as a service gets;
// the desktop's full name for STARTUPINFO, or empty when either cannot be made.
std::string invisibleDesktop(const char* name) {
    HWINSTA station = CreateWindowStationA(name, 0, WINSTA_ALL_ACCESS, nullptr);
    if (!station) return std::string();
    HWINSTA own = GetProcessWindowStation();
    SetProcessWindowStation(station);
    HDESK desktop = CreateDesktopA("Default", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    SetProcessWindowStation(own);
    // Both stay open until this process ends, the child's own run with them.
    return desktop ? std::string(name) + "\\Default" : std::string();
}

// Wide: a value outside the ANSI code page (a JAVA_HOME named in Cyrillic) stays whole.
void setProgramEnvironment() {
    std::vector<std::wstring> settings;
    wchar_t* block = GetEnvironmentStringsW();
    for (const wchar_t* entry = block; entry && *entry; entry += std::wcslen(entry) + 1)
        if (std::wcsncmp(entry, L"BOXWATCH_SET_", 13) == 0) settings.push_back(entry + 13);
    if (block) FreeEnvironmentStringsW(block);
    for (const std::wstring& setting : settings) {
        std::wstring::size_type equals = setting.find(L'=');
        if (equals != std::wstring::npos)
            SetEnvironmentVariableW(setting.substr(0, equals).c_str(), setting.c_str() + equals + 1);
    }
}

// Says why the program was not started, with the system's error code.
int notStarted(const char* why) {
    std::printf("%s %lu\n", why, GetLastError());
    return 1;
}

int execProgram(const char* program, const char* commandLinePath) {
    setProgramEnvironment();
    std::string commandLine = std::strchr(program, ' ') ? "\"" + std::string(program) + "\"" : program, tail;
    if (readFile(commandLinePath, tail) && !tail.empty()) commandLine += " " + tail;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string desktop;
    if (const char* station = std::getenv("BOXWATCH_STATION")) {
        desktop = invisibleDesktop(station);
        if (desktop.empty()) return notStarted("no window station");
        startup.lpDesktop = &desktop[0];
    }
    HANDLE token = nullptr;
    const char* wanted = std::getenv("BOXWATCH_TOKEN");
    if (wanted != nullptr && std::strcmp(wanted, "limited") == 0 && (token = limitedToken()) == nullptr)
        return notStarted("no limited token");
    PROCESS_INFORMATION process = {};
    BOOL started = token ? CreateProcessAsUserA(token, program, &commandLine[0], nullptr, nullptr, FALSE, 0,
                                                nullptr, nullptr, &startup, &process)
                         : CreateProcessA(program, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                          &startup, &process);
    if (token) CloseHandle(token);
    if (!started) return notStarted("start failed");
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.hProcess, &exitCode);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::printf("exit=%lu\n", exitCode);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "watch") == 0) return watch(argv[2], argv[3]);
    if (argc == 2 && std::strcmp(argv[1], "escape") == 0) return actOnStatusDialog(true);
    if (argc == 2 && std::strcmp(argv[1], "close") == 0) return actOnStatusDialog(false);
    if (argc == 2 && std::strcmp(argv[1], "state") == 0) return printState();
    if (argc == 3 && std::strcmp(argv[1], "post") == 0) return postMessages(std::atoi(argv[2]));
    if (argc == 4 && std::strcmp(argv[1], "exec") == 0) return execProgram(argv[2], argv[3]);
    std::fputs("usage: boxwatch watch <record> <stop-file> | escape | close | state | post <n> | "
               "exec <program> <file>\n", stderr);
    return 2;
}
