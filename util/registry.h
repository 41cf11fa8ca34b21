#pragma once
#include <windows.h>

#include <string>

// Registry values are read as texts of at most this many bytes; a larger one
// counts as unreadable.
constexpr unsigned kRegistryTextLimit = 5000;

// Reads a registry value as text, asking for at most `limit` bytes. The type is
// not checked; the text ends at the first zero byte or at what was read, so a
// value without its terminator cannot run past the buffer. A value larger than
// the limit counts as unreadable. Returns 1 and fills `text`, or 0 and leaves it.
int readRegistryText(HKEY root, const char* subkey, const char* valueName, unsigned limit,
                     std::string& text);

// The same on a key that is already open.
int readRegistryValue(HKEY key, const char* valueName, unsigned limit, std::string& text);

// A text value (REG_SZ or REG_EXPAND_SZ) in wide characters, up to `limit`
// characters; 0 where there is none (9x, whose RegQueryValueExW is a stub, or
// a value of another type).
int readRegistryWideText(HKEY key, const char* valueName, unsigned limit, std::wstring& text);

// A value that names a path (a JVM home): as readRegistryValue, and on NT, for
// a text value whose path the ANSI code page cannot hold, its short form
// instead. When it has none, `text` is empty and `unnamed` holds the path as
// the registry holds it (describeWidePath), for the caller's trace.
int readRegistryPath(HKEY key, const char* valueName, unsigned limit, std::string& text,
                     std::string& unnamed);
