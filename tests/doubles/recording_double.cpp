// Test double for cleanup.exe and for the browser: records how it was started
// in RECORD_NAME (cleanup-run.txt or browser-run.txt) beside itself: the raw
// command line, the argument count and each argument; then, in UTF-8, each
// argument that names an existing file or folder by its long path (long[i]=), and
// the working directory's long path (longcwd=), so that a test can tell which
// folder a short or an ANSI path really names.
// With cleanup-delay.txt beside it, it first sleeps that many milliseconds, so a
// test can tell whether the launcher waited for it.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "double_support.h"

namespace {

std::string utf8(const wchar_t* text) {
    int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string result(length > 0 ? length : 1, '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, -1, &result[0], length, nullptr, nullptr);
    result.resize(result.size() - 1);
    return result;
}

std::wstring wide(const char* text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    std::wstring result(length > 0 ? length : 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, -1, &result[0], length);
    result.resize(result.size() - 1);
    return result;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string dir = ownDirectory();
    std::string delay;
    if (readFile(dir + "\\cleanup-delay.txt", delay)) Sleep(std::atoi(delay.c_str()));

    std::string record = "cmdline=" + std::string(GetCommandLineA()) + "\n";
    record += "argc=" + std::to_string(__argc) + "\n";
    for (int i = 0; i < __argc; ++i) record += "argv[" + std::to_string(i) + "]=" + __argv[i] + "\n";
    wchar_t cwd[4096], longCwd[4096];
    DWORD cwdLength = GetCurrentDirectoryW(4096, cwd);
    DWORD longLength = cwdLength > 0 && cwdLength < 4096 ? GetLongPathNameW(cwd, longCwd, 4096) : 0;
    if (longLength > 0 && longLength < 4096) record += "longcwd=" + utf8(longCwd) + "\n";
    for (int i = 1; i < __argc; ++i) {
        std::wstring path = wide(__argv[i]);
        wchar_t full[4096];
        DWORD length = GetLongPathNameW(path.c_str(), full, 4096);
        if (length > 0 && length < 4096) record += "long[" + std::to_string(i) + "]=" + utf8(full) + "\n";
    }
    writeRecord(dir + "\\" RECORD_NAME, record);
    return 0;
}
