#include "util/ansi_path.h"

#include <windows.h>
#include <direct.h>

#include <cstdlib>

#include "util/system_function.h"

namespace {

// Asks a wide query that fills a buffer of a given size and answers the length
// it needs (with the terminator) when the buffer is too small: 0 is failure.
template <typename Query>
std::wstring askWide(Query query) {
    DWORD needed = query(nullptr, 0);
    if (needed == 0) return std::wstring();
    std::wstring text(needed, L'\0');
    DWORD got = query(&text[0], needed);
    if (got == 0 || got >= needed) return std::wstring();
    text.resize(got);
    return text;
}

// At least four upper-case hexadecimal digits, as code points are written.
std::string hexDigits(unsigned long code) {
    std::string digits;
    do {
        digits.insert(digits.begin(), "0123456789ABCDEF"[code % 16]);
        code /= 16;
    } while (code != 0 || digits.size() < 4);
    return digits;
}

std::wstring systemShortPath(const std::wstring& path) {
    using GetShortPathNameW = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
    auto shortPathName = systemFunction<GetShortPathNameW>("kernel32.dll", "GetShortPathNameW");
    if (shortPathName == nullptr) return std::wstring();
    return askWide([&](wchar_t* buffer, DWORD size) { return shortPathName(path.c_str(), buffer, size); });
}

std::wstring wideText(const char* ansi, const WidePathQueries& queries = systemWidePathQueries()) {
    int length = queries.toWide(CP_ACP, 0, ansi, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    queries.toWide(CP_ACP, 0, ansi, -1, &wide[0], length);
    wide.resize(static_cast<std::size_t>(length) - 1);
    return wide;
}

// Empty where the system gives no wide form (9x).
std::wstring wideCurrentDirectory() {
    using GetCurrentDirectoryW = DWORD(WINAPI*)(DWORD, LPWSTR);
    auto currentDirectory = systemFunction<GetCurrentDirectoryW>("kernel32.dll", "GetCurrentDirectoryW");
    if (currentDirectory == nullptr) return std::wstring();
    return askWide([&](wchar_t* buffer, DWORD size) { return currentDirectory(size, buffer); });
}

// The current directory as the system holds it; 9x: the ANSI one, widened.
std::wstring currentDirectory() {
    std::wstring wide = wideCurrentDirectory();
    if (!wide.empty()) return wide;
    char ansi[MAX_PATH];
    return _getcwd(ansi, MAX_PATH) != nullptr ? wideText(ansi) : std::wstring();
}

// By the wide name where the system takes one, else (9x) by the ANSI name.
bool enterFolder(const std::wstring& folder) {
    using SetCurrentDirectoryW = BOOL(WINAPI*)(LPCWSTR);
    auto enter = systemFunction<SetCurrentDirectoryW>("kernel32.dll", "SetCurrentDirectoryW");
    if (enter != nullptr) return enter(folder.c_str()) != 0;
    std::string ansi;
    return toAnsiExactly(folder, ansi) && _chdir(ansi.c_str()) == 0;
}

}  // namespace

const WidePathQueries& systemWidePathQueries() {
    static const WidePathQueries queries = {systemShortPath};
    return queries;
}

bool toAnsiExactly(const std::wstring& wide, std::string& ansi, const WidePathQueries& queries) {
    ansi.clear();
    if (wide.empty()) return true;
    const int size = static_cast<int>(wide.size());
    int length = queries.fromWide(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return false;
    std::string converted(static_cast<std::size_t>(length), '\0');
    // No flag for the default character: with UTF-8 as the ANSI code page the
    // call fails when asked for one. The way back proves that the text names the
    // same path: it shows the default character and a best-fit look-alike (L for
    // the Polish letter with a stroke, which sets no flag) alike.
    if (queries.fromWide(CP_ACP, 0, wide.data(), size, &converted[0], length, nullptr, nullptr) != length) {
        return false;
    }
    if (wideText(converted.c_str(), queries) != wide) return false;
    ansi = converted;
    return true;
}

std::string describeWidePath(const std::wstring& wide, const WidePathQueries& queries) {
    std::string text;
    for (std::size_t i = 0; i < wide.size(); ++i) {
        std::size_t units = 1;
        unsigned long code = wide[i];
        if (code >= 0xD800 && code < 0xDC00 && i + 1 < wide.size() && wide[i + 1] >= 0xDC00 &&
            wide[i + 1] < 0xE000) {
            code = 0x10000 + ((code - 0xD800) << 10) + (wide[i + 1] - 0xDC00);
            units = 2;
        }
        std::string ansi;
        if (toAnsiExactly(wide.substr(i, units), ansi, queries)) {
            text += ansi;
        } else {
            text += "<U+" + hexDigits(code) + ">";
        }
        i += units - 1;
    }
    return text;
}

AnsiPath ansiPathOf(const std::wstring& wide, const WidePathQueries& queries) {
    AnsiPath result;
    result.longForm = describeWidePath(wide, queries);
    if (toAnsiExactly(wide, result.path, queries)) return result;
    std::string shortPath;
    std::wstring shortWide = queries.shortPath(wide);
    if (!shortWide.empty() && toAnsiExactly(shortWide, shortPath, queries)) {
        result.kind = AnsiPath::Kind::shortForm;
        result.path = shortPath;
    } else {
        result.kind = AnsiPath::Kind::unnamed;
        result.path.clear();
    }
    return result;
}

AnsiPath useAnsiCurrentDirectory(const WidePathQueries& queries) {
    std::wstring wide = wideCurrentDirectory();
    if (wide.empty()) return AnsiPath();  // 9x: the ANSI directory is the directory
    AnsiPath directory = ansiPathOf(wide, queries);
    if (directory.kind == AnsiPath::Kind::shortForm && _chdir(directory.path.c_str()) != 0) {
        directory.kind = AnsiPath::Kind::unnamed;
        directory.path.clear();
    }
    return directory;
}

std::vector<std::string> ansiPathEntries(const std::wstring& searchPath, std::vector<std::string>& unnamed) {
    std::vector<std::string> entries;
    std::wstring::size_type start = 0;
    while (start <= searchPath.size()) {
        std::wstring::size_type end = searchPath.find(L';', start);
        if (end == std::wstring::npos) end = searchPath.size();
        std::wstring entry = searchPath.substr(start, end - start);
        if (entry.size() >= 2 && entry.front() == L'"' && entry.back() == L'"') entry = entry.substr(1, entry.size() - 2);
        while (!entry.empty() && (entry.back() == L'\\' || entry.back() == L'/')) entry.pop_back();
        if (!entry.empty()) {
            AnsiPath path = ansiPathOf(entry);
            if (path.kind == AnsiPath::Kind::unnamed) {
                unnamed.push_back(path.longForm);
            } else {
                entries.push_back(path.path);
            }
        }
        start = end + 1;
    }
    return entries;
}

bool wideEnvironmentVariable(const char* name, std::wstring& value) {
    using GetEnvironmentVariableW = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
    auto variable = systemFunction<GetEnvironmentVariableW>("kernel32.dll", "GetEnvironmentVariableW");
    if (variable == nullptr) return false;
    std::wstring wideName = wideText(name);
    value = askWide([&](wchar_t* buffer, DWORD size) { return variable(wideName.c_str(), buffer, size); });
    return !value.empty();
}

std::wstring expandWide(const std::wstring& text) {
    using ExpandEnvironmentStringsW = DWORD(WINAPI*)(LPCWSTR, LPWSTR, DWORD);
    auto expand = systemFunction<ExpandEnvironmentStringsW>("kernel32.dll", "ExpandEnvironmentStringsW");
    if (expand == nullptr) return text;
    // Its answer counts the terminator even when it fits.
    DWORD needed = expand(text.c_str(), nullptr, 0);
    if (needed == 0) return text;
    std::wstring expanded(needed, L'\0');
    DWORD got = expand(text.c_str(), &expanded[0], needed);
    if (got == 0 || got > needed) return text;
    expanded.resize(got - 1);
    return expanded;
}

bool environmentPath(const char* name, std::string& path, std::string& unnamed) {
    const char* value = std::getenv(name);
    if (value == nullptr) return false;
    path = value;
    unnamed.clear();
    std::wstring wide;
    if (!wideEnvironmentVariable(name, wide)) return true;
    AnsiPath converted = ansiPathOf(wide);
    if (converted.kind == AnsiPath::Kind::shortForm) path = converted.path;
    if (converted.kind == AnsiPath::Kind::unnamed) {
        path.clear();
        unnamed = converted.longForm;
    }
    return true;
}

std::wstring ownProgramPath() {
    using GetModuleFileNameW = DWORD(WINAPI*)(HMODULE, LPWSTR, DWORD);
    auto moduleName = systemFunction<GetModuleFileNameW>("kernel32.dll", "GetModuleFileNameW");
    // It cuts a name that does not fit without saying so: the buffer grows until one does.
    for (DWORD size = MAX_PATH; moduleName != nullptr && size <= 65536; size *= 2) {
        std::wstring wide(size, L'\0');
        DWORD got = moduleName(nullptr, &wide[0], size);
        if (got == 0) break;
        if (got < size) {
            wide.resize(got);
            return wide;
        }
    }
    char name[MAX_PATH];
    DWORD got = GetModuleFileNameA(nullptr, name, MAX_PATH);
    return got > 0 && got < MAX_PATH ? wideText(name) : std::wstring();
}

bool useFolderOf(const std::wstring& program, bool (*holds)(), std::string& left, std::string& entered) {
    const std::wstring::size_type slash = program.rfind(L'\\');
    const std::wstring caller = currentDirectory();
    if (slash == std::wstring::npos || caller.empty()) return false;
    const std::wstring folder = program.substr(0, slash);
    // "C:" alone would name the drive's current directory, not its root.
    if (!enterFolder(folder.size() == 2 && folder[1] == L':' ? folder + L"\\" : folder)) return false;
    if (!holds()) {
        enterFolder(caller);
        return false;
    }
    // Without the backslash that a drive's root ends in, as getCurrentDir gives it.
    const bool root = caller.size() > 1 && caller.back() == L'\\';
    left = describeWidePath(root ? caller.substr(0, caller.size() - 1) : caller);
    entered = describeWidePath(folder);
    return true;
}
