#pragma once
#include <windows.h>

// A function of a system DLL that this process has already loaded, looked up at
// run time: for functions that not every Windows release exports, so that the
// launcher still loads where one is missing. Null when the DLL is not loaded or
// lacks the function. On 95, 98 and Me most wide-character (W) functions are
// exported but only as stubs that fail, which callers must take as "no answer".
template <typename Function>
Function systemFunction(const char* module, const char* name) {
    HMODULE handle = GetModuleHandleA(module);
    if (handle == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(handle, name)));
}
