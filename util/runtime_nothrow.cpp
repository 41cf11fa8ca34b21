// The launcher is built without exceptions. These replace the C++ runtime's
// throwing allocation and error helpers, which would otherwise pull in its
// whole exception and terminate machinery, code that a program without
// exceptions never runs.
// Running out of memory, or a broken string invariant caught by the library's
// assertions, ends the process, as an uncaught exception would.
#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

[[noreturn]] void fatal() {
    std::abort();
}

void* allocate(std::size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (block == nullptr) fatal();
    return block;
}

}  // namespace

void* operator new(std::size_t size) { return allocate(size); }
void* operator new[](std::size_t size) { return allocate(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return std::malloc(size ? size : 1); }
void operator delete(void* block) noexcept { std::free(block); }
void operator delete[](void* block) noexcept { std::free(block); }
void operator delete(void* block, std::size_t) noexcept { std::free(block); }
void operator delete[](void* block, std::size_t) noexcept { std::free(block); }

namespace std {
const nothrow_t nothrow{};
[[noreturn]] void __glibcxx_assert_fail(const char*, int, const char*, const char*) noexcept { fatal(); }
[[noreturn]] void __throw_bad_alloc() { fatal(); }
[[noreturn]] void __throw_bad_array_new_length() { fatal(); }
[[noreturn]] void __throw_length_error(const char*) { fatal(); }
[[noreturn]] void __throw_logic_error(const char*) { fatal(); }
[[noreturn]] void __throw_out_of_range(const char*) { fatal(); }
[[noreturn]] void __throw_out_of_range_fmt(const char*, ...) { fatal(); }
[[noreturn]] void __throw_invalid_argument(const char*) { fatal(); }
[[noreturn]] void __throw_system_error(int) { fatal(); }
}  // namespace std

// The C++ library turns every printf into the toolchain's own, which carries a
// floating-point formatter that the launcher never uses (its size is in
// docs/benchmarks.md). The launcher formats only texts and integers (%s, %c, %d
// with width and precision), which the system's printf writes alike; it knows
// no %zu or %lld, so keep to those. The vsnprintf keeps the standard contract:
// always terminated, full length returned. It measures a cut text itself: the
// toolchain's version asks GetModuleHandleW for msvcrt, a stub on 95, 98 and Me.
extern "C" int __cdecl __mingw_vsnprintf(char* buffer, std::size_t size, const char* format,
                                         va_list arguments) {
    va_list copy;
    va_copy(copy, arguments);
    int written = _vsnprintf(buffer, size, format, copy);
    va_end(copy);
    if (written >= 0 && static_cast<std::size_t>(written) < size) return written;
    if (size > 0) buffer[size - 1] = '\0';
    // Cut short (or no room for the terminator): format again into ever larger scratch blocks.
    for (std::size_t scratch = size < 64 ? 128 : size * 2; scratch < 0x10000000; scratch *= 2) {
        char* block = static_cast<char*>(std::malloc(scratch));
        if (block == nullptr) return -1;
        va_copy(copy, arguments);
        written = _vsnprintf(block, scratch, format, copy);
        va_end(copy);
        std::free(block);
        if (written >= 0 && static_cast<std::size_t>(written) < scratch) return written;
    }
    return -1;
}

extern "C" int __cdecl __mingw_vfprintf(FILE* file, const char* format, va_list arguments) {
    return __ms_vfprintf(file, format, arguments);
}
