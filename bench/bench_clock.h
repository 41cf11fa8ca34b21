#pragma once
// What the benchmark programs share: one clock that every process on the
// machine reads alike, and owned kernel handles.
#include <windows.h>

#include <string>

#include "util/unique_handle.h"

inline long long clockTicks() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

inline long long clockFrequency() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle empty() noexcept { return nullptr; }
    static void close(Handle handle) noexcept { CloseHandle(handle); }
};
using UniqueKernelHandle = UniqueHandle<KernelHandleTraits>;

// The command line after the program's own name, as the system passed it.
inline std::string commandLineTail() {
    const char* text = GetCommandLineA();
    bool quoted = false;
    for (; *text && (quoted || (*text != ' ' && *text != '\t')); ++text) {
        if (*text == '"') quoted = !quoted;
    }
    while (*text == ' ' || *text == '\t') ++text;
    return text;
}
