#pragma once
#include <string>

inline constexpr char kWindowsCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion";
inline constexpr char kNtCurrentVersion[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";

// Whether the NT family, after its own four registry values, also asks the
// value the 9x family keeps the Windows directory in. The installation's home
// directory leaves it to 9x; the search for a place for the JVM asks it on NT too.
enum class NineXKeyOnNt { kNotAsked, kAsked };

// A registry value that may hold the Windows directory.
struct WindowsDirSource {
    const char* key;  // under HKEY_LOCAL_MACHINE
    const char* value;
    const char* name;  // as traces name it; null for the 9x value
};

// The Windows directory. First the registry values of the running family in
// their order (the first that holds a text wins, as stored), then the entry of
// the search path that ends with "winnt" (NT) or "windows" (9x), then
// "c:\winnt" or "c:\windows" if it exists (both lower-cased). 1 with the
// directory in `result`, else 0 with `result` empty. `source` tells the
// registry value that gave it, or null when none did.
int findWindowsDirectory(int winNT, NineXKeyOnNt nineXKeyOnNt, std::string& result,
                         const WindowsDirSource** source = nullptr);

// The Program Files directory: the value ProgramFilesDir of the first of the
// two CurrentVersion keys that opens (in the registry view `view`, a
// KEY_WOW64_* flag or 0 for the program's own), or "C:\Program Files" when
// neither opens and it exists. 1 with the directory in `result`, else 0.
int findProgramFilesDirectory(unsigned long view, std::string& result);
