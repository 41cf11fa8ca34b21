#pragma once
#include <cstdint>
#include <cstdio>

#include "util/unique_handle.h"

inline void closeFile(FILE* file) noexcept { std::fclose(file); }

using UniqueFile = UniqueHandle<NullEmptyTraits<FILE*, closeFile>>;

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
