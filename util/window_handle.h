#pragma once
// Win32 handle types, without pulling <windows.h> into every header.
struct HWND__;
using WindowHandle = HWND__*;
struct HKEY__;
using RegistryKey = HKEY__*;
