#pragma once
#include <cstdint>
#include <cstdio>

#include "util/unique_handle.h"

struct StdioFileTraits {
    using Handle = FILE*;
    static Handle empty() noexcept { return nullptr; }
    static void close(Handle file) noexcept { std::fclose(file); }
};

using UniqueFile = UniqueHandle<StdioFileTraits>;

inline UniqueFile openFile(const char* path, const char* mode) {
    return UniqueFile(std::fopen(path, mode));
}

// A _findfirst enumeration, closed with _findclose.
struct FindHandleTraits {
    using Handle = intptr_t;
    static Handle empty() noexcept { return -1; }
    static void close(Handle handle) noexcept;
};
using UniqueFindHandle = UniqueHandle<FindHandleTraits>;
