#pragma once
// Owners for the Win32 handles the launcher opens.
#include <windows.h>

#include "util/unique_handle.h"

inline void closeRegKey(HKEY key) noexcept { RegCloseKey(key); }
inline void freeModule(HMODULE module) noexcept { FreeLibrary(module); }
inline void deleteGdiObject(HGDIOBJ object) noexcept { DeleteObject(object); }
// For handles whose failure value is null (processes, tokens); a file's failure
// value, INVALID_HANDLE_VALUE, is never closed either.
inline void closeKernelHandle(HANDLE handle) noexcept {
    if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
}

using UniqueRegKey = UniqueHandle<NullEmptyTraits<HKEY, closeRegKey>>;
using UniqueKernelHandle = UniqueHandle<NullEmptyTraits<HANDLE, closeKernelHandle>>;
using UniqueModule = UniqueHandle<NullEmptyTraits<HMODULE, freeModule>>;
using UniqueGdiObject = UniqueHandle<NullEmptyTraits<HGDIOBJ, deleteGdiObject>>;

// A device context taken with GetDC must go back to the window it came from.
class WindowDC {
public:
    explicit WindowDC(HWND window) noexcept : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

    HDC get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// Puts an object into a device context and the previous one back on leaving.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
