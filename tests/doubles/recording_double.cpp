// Test double for cleanup.exe and for the browser: records how it was started
// in RECORD_NAME (cleanup-run.txt or browser-run.txt) beside itself: the raw
// command line, the argument count, each argument and the working directory.
// With cleanup-delay.txt beside it, it first sleeps that many milliseconds, so a
// test can tell whether the launcher waited for it.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "double_support.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string dir = ownDirectory();
    std::string delay;
    if (readFile(dir + "\\cleanup-delay.txt", delay)) Sleep(std::atoi(delay.c_str()));

    std::string record = "cmdline=" + std::string(GetCommandLineA()) + "\n";
    record += "argc=" + std::to_string(__argc) + "\n";
    for (int i = 0; i < __argc; ++i) record += "argv[" + std::to_string(i) + "]=" + __argv[i] + "\n";
    writeRecord(dir + "\\" RECORD_NAME, record + "cwd=" + currentDirectory() + "\n");
    return 0;
}
