#include "util/system_function.h"

#include <cstring>

namespace {

// What 95, 98 and Me lack or only stub among the other functions looked up:
// the token queries and MoveFileEx fail with ERROR_CALL_NOT_IMPLEMENTED there,
// and IsWow64Process came with XP.
const char* const kNotOnNineX[] = {"GetTokenInformation", "IsWow64Process", "MoveFileExA", "OpenProcessToken"};

bool isNineX(DWORD version) {
    return (version & 0x80000000UL) != 0;
}

}  // namespace

bool releaseLacks(DWORD version, const char* name) {
    if (!isNineX(version)) return false;
    // The few wide functions 95 does implement (text output, message boxes) are not looked up.
    const std::size_t length = std::strlen(name);
    if (length > 1 && name[length - 1] == 'W') return true;
    for (const char* missing : kNotOnNineX) {
        if (std::strlen(missing) == length && std::memcmp(name, missing, length) == 0) return true;
    }
    return false;
}

FARPROC runTimeFunction(HMODULE module, const char* name, DWORD version) {
    if (module == nullptr || releaseLacks(version, name)) return nullptr;
    return GetProcAddress(module, name);
}
