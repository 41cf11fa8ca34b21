#pragma once
// The Win32 window handle type, without pulling <windows.h> into every header.
struct HWND__;
using WindowHandle = HWND__*;
