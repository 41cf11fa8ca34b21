// Test double for cleanup.exe and for the browser: records how it was started
// in RECORD_NAME (cleanup-run.txt or browser-run.txt)
// beside itself (raw command line, argument count, each argument, working
// directory). Written under another name and renamed, so a reader never sees half.
// With cleanup-delay.txt beside it, it first sleeps that many milliseconds, so a
// test can tell whether the launcher waited for it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "double_support.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string dir = ownDirectory();
    std::string record = dir + "\\" RECORD_NAME;
    std::string partial = record + ".tmp";
    if (FILE* delay = std::fopen((dir + "\\cleanup-delay.txt").c_str(), "rb")) {
        int milliseconds = 0;
        if (std::fscanf(delay, "%d", &milliseconds) == 1) Sleep(milliseconds);
        std::fclose(delay);
    }

    FILE* out = std::fopen(partial.c_str(), "wb");
    if (!out) return 1;
    char cwd[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, cwd);
    std::fprintf(out, "cmdline=%s\nargc=%d\n", GetCommandLineA(), __argc);
    for (int i = 0; i < __argc; ++i) std::fprintf(out, "argv[%d]=%s\n", i, __argv[i]);
    std::fprintf(out, "cwd=%s\n", cwd);
    std::fclose(out);
    MoveFileExA(partial.c_str(), record.c_str(), MOVEFILE_REPLACE_EXISTING);
    return 0;
}
