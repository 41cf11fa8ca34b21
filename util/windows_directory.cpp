#include "util/windows_directory.h"

#include <windows.h>

#include "util/file_utils.h"
#include "util/registry.h"
#include "util/win_handles.h"

namespace {

const WindowsDirSource kNtSources[] = {
    {kNtCurrentVersion, "SystemRoot", "SystemRoot"},
    {kNtCurrentVersion, "PathName", "PathName"},
    {kNtCurrentVersion, "WinDir", "WinDir"},
    {"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\SETUP", "WinDir", "Setup WinDir"},
};
const WindowsDirSource kNineXSource = {"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\SETUP", "WinDir",
                                       nullptr};

bool readSource(const WindowsDirSource& source, std::string& result) {
    std::string value;
    if (!readRegistryText(HKEY_LOCAL_MACHINE, source.key, source.value, kRegistryTextLimit, value) ||
        value.empty()) {
        return false;
    }
    result = value;
    return true;
}

const WindowsDirSource* readRegistry(int winNT, NineXKeyOnNt nineXKeyOnNt, std::string& result) {
    if (winNT) {
        for (const WindowsDirSource& source : kNtSources) {
            if (readSource(source, result)) return &source;
        }
        if (nineXKeyOnNt == NineXKeyOnNt::kNotAsked) return nullptr;
    }
    return readSource(kNineXSource, result) ? &kNineXSource : nullptr;
}

}  // namespace

int findWindowsDirectory(int winNT, NineXKeyOnNt nineXKeyOnNt, std::string& result,
                         const WindowsDirSource** source) {
    result.clear();
    const WindowsDirSource* found = readRegistry(winNT, nineXKeyOnNt, result);
    if (source) *source = found;
    if (found) return 1;
    std::string name = winNT ? "winnt" : "windows";
    if (findDirInPath(name, result)) return 1;
    const char* fixed = winNT ? "c:\\winnt" : "c:\\windows";
    if (fileExists(fixed)) {
        result = fixed;
        return 1;
    }
    result.clear();
    return 0;
}

int findProgramFilesDirectory(unsigned long view, std::string& result) {
    result.clear();
    UniqueRegKey key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kWindowsCurrentVersion, 0, KEY_QUERY_VALUE | view, key.put()) ==
            ERROR_SUCCESS ||
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, kNtCurrentVersion, 0, KEY_QUERY_VALUE | view, key.put()) ==
            ERROR_SUCCESS) {
        // An opened key decides, even without the value: the fixed default is not tried then.
        std::string answer;
        if (!readRegistryValue(key.get(), "ProgramFilesDir", kRegistryTextLimit, answer) || answer.empty()) return 0;
        result = answer;
        return 1;
    }
    if (!fileExists("C:\\Program Files")) return 0;
    result = "C:\\Program Files";
    return 1;
}
