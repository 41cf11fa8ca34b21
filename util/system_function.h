#pragma once
#include <windows.h>

// Functions that not every Windows release exports are looked up at run time,
// so that the launcher still loads where one is missing. All such look-ups go
// through here, and on 95, 98 and Me (GetVersion's high bit set) they answer as
// those releases do in effect: no function for the wide-character (W) ones,
// which they export only as stubs that fail, nor for the few others they lack
// or only stub. So the fallbacks run wherever the system reports that family,
// also under a system that implements everything while it plays one of them.

// Whether a system that answers GetVersion with `version` lacks `name`, or has
// it only as a stub that fails.
bool releaseLacks(DWORD version, const char* name);

// A function of `module`, or null where the module lacks it or the system's
// family does (above).
FARPROC runTimeFunction(HMODULE module, const char* name, DWORD version = GetVersion());

// The same for a system DLL that this process has already loaded.
template <typename Function>
Function systemFunction(const char* module, const char* name) {
    HMODULE handle = GetModuleHandleA(module);
    if (handle == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(runTimeFunction(handle, name)));
}

// The same for a module the caller loaded.
template <typename Function>
Function moduleFunction(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(runTimeFunction(module, name)));
}
