// Starts the command line that follows its own name, waits for it and prints
// on one line: the clock when it started the program and when it saw it end,
// the clock's frequency, the program's peak working set and its exit code.
// The peak is sampled while the program runs: the system keeps it as a
// running maximum, but may no longer report it once the process is gone.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "bench/bench_clock.h"

namespace {

const DWORD kSampleMs = 10;

SIZE_T peakWorkingSet(HANDLE process, SIZE_T seen) {
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) return seen;
    return counters.PeakWorkingSetSize > seen ? counters.PeakWorkingSetSize : seen;
}

}  // namespace

int main() {
    std::string commandLine = commandLineTail();
    if (commandLine.empty()) {
        std::fprintf(stderr, "usage: bench_run <command line>\n");
        return 2;
    }
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started = {};
    long long start = clockTicks();
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &started)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", commandLine.c_str(), GetLastError());
        return 1;
    }
    UniqueKernelHandle process(started.hProcess);
    UniqueKernelHandle thread(started.hThread);
    SIZE_T peak = 0;
    while (WaitForSingleObject(process.get(), kSampleMs) == WAIT_TIMEOUT) {
        peak = peakWorkingSet(process.get(), peak);
    }
    long long end = clockTicks();
    peak = peakWorkingSet(process.get(), peak);
    DWORD exitCode = 0;
    GetExitCodeProcess(process.get(), &exitCode);
    std::printf("start=%lld end=%lld frequency=%lld peak=%lu exit=%lu\n", start, end, clockFrequency(),
                static_cast<unsigned long>(peak), exitCode);
    return 0;
}
