#include "util/token.h"

#include <windows.h>

#include "util/system_function.h"
#include "util/win_handles.h"

namespace {

// Looked up at run time: the launcher must still load where ADVAPI32 lacks them.
bool queryToken(TOKEN_INFORMATION_CLASS kind, void* answer, DWORD size) {
    using OpenProcessToken = BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE);
    using GetTokenInformation = BOOL(WINAPI*)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD);
    auto openToken = systemFunction<OpenProcessToken>("advapi32.dll", "OpenProcessToken");
    auto tokenInformation = systemFunction<GetTokenInformation>("advapi32.dll", "GetTokenInformation");
    HANDLE raw = nullptr;
    if (!openToken || !tokenInformation || !openToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return false;
    UniqueKernelHandle token(raw);
    return tokenInformation(token.get(), kind, answer, size, &size) != 0;
}

}  // namespace

bool tokenElevated() {
    TOKEN_ELEVATION elevation = {};
    return queryToken(TokenElevation, &elevation, sizeof elevation) && elevation.TokenIsElevated != 0;
}

bool tokenLimited() {
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    return queryToken(TokenElevationType, &type, sizeof type) && type == TokenElevationTypeLimited;
}
