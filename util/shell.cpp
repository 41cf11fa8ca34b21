#include "util/shell.h"

#include <windows.h>

#include "util/system_function.h"

UniqueModule loadShellLibrary() {
    char systemDir[MAX_PATH];
    UINT length = GetSystemDirectoryA(systemDir, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return UniqueModule();
    std::string path(systemDir, length);
    if (path.back() != '\\') path += '\\';
    path += "shell32.dll";
    return UniqueModule(LoadLibraryA(path.c_str()));
}

bool openInBrowser(const std::string& address) {
    UniqueModule shell = loadShellLibrary();
    if (!shell) return false;
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, const char*, const char*, const char*, const char*, INT);
    auto shellExecute = moduleFunction<ShellExecuteFunction>(shell.get(), "ShellExecuteA");
    if (shellExecute == nullptr) return false;
    HINSTANCE started = shellExecute(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(started) > 32;
}
