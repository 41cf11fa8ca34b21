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

std::wstring wideText(const char* ansi) {
    int length = MultiByteToWideChar(CP_ACP, 0, ansi, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, ansi, -1, &wide[0], length);
    wide.resize(static_cast<std::size_t>(length) - 1);
    return wide;
}

}  // namespace

const WidePathQueries& systemWidePathQueries() {
    static const WidePathQueries queries = {systemShortPath};
    return queries;
}

bool toAnsiExactly(const std::wstring& wide, std::string& ansi) {
    ansi.clear();
    if (wide.empty()) return true;
    const int size = static_cast<int>(wide.size());
    int length = WideCharToMultiByte(CP_ACP, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return false;
    std::string converted(static_cast<std::size_t>(length), '\0');
    BOOL usedDefault = FALSE;
    if (WideCharToMultiByte(CP_ACP, 0, wide.data(), size, &converted[0], length, nullptr, &usedDefault) !=
            length ||
        usedDefault) {
        return false;
    }
    // A best-fit look-alike (L for the Polish letter with a stroke) sets no flag:
    // only the way back proves that the text names the same path.
    if (wideText(converted.c_str()) != wide) return false;
    ansi = converted;
    return true;
}

std::string describeWidePath(const std::wstring& wide) {
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
        if (toAnsiExactly(wide.substr(i, units), ansi)) {
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
    result.longForm = describeWidePath(wide);
    if (toAnsiExactly(wide, result.path)) return result;
    std::string shortPath;
    std::wstring shortWide = queries.shortPath(wide);
    if (!shortWide.empty() && toAnsiExactly(shortWide, shortPath)) {
        result.kind = AnsiPath::Kind::shortForm;
        result.path = shortPath;
    } else {
        result.kind = AnsiPath::Kind::unnamed;
        result.path.clear();
    }
    return result;
}

AnsiPath useAnsiCurrentDirectory(const WidePathQueries& queries) {
    using GetCurrentDirectoryW = DWORD(WINAPI*)(DWORD, LPWSTR);
    auto currentDirectory = systemFunction<GetCurrentDirectoryW>("kernel32.dll", "GetCurrentDirectoryW");
    std::wstring wide;
    if (currentDirectory != nullptr) {
        wide = askWide([&](wchar_t* buffer, DWORD size) { return currentDirectory(size, buffer); });
    }
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

AnsiPath ownProgramPath() {
    using GetModuleFileNameW = DWORD(WINAPI*)(HMODULE, LPWSTR, DWORD);
    auto moduleName = systemFunction<GetModuleFileNameW>("kernel32.dll", "GetModuleFileNameW");
    // It cuts a name that does not fit without saying so: the buffer grows until one does.
    for (DWORD size = MAX_PATH; moduleName != nullptr && size <= 65536; size *= 2) {
        std::wstring wide(size, L'\0');
        DWORD got = moduleName(nullptr, &wide[0], size);
        if (got == 0) break;  // 9x: a stub
        if (got < size) {
            wide.resize(got);
            return ansiPathOf(wide);
        }
    }
    AnsiPath program;
    char name[MAX_PATH];
    DWORD got = GetModuleFileNameA(nullptr, name, MAX_PATH);
    if (got > 0 && got < MAX_PATH) program.path.assign(name, got);
    return program;
}
