#include "util/registry.h"

#include <vector>

#include "util/ansi_path.h"
#include "util/system_function.h"
#include "util/win_handles.h"

int readRegistryWideText(HKEY key, const char* valueName, unsigned limit, std::wstring& text) {
    using RegQueryValueExW = LONG(WINAPI*)(HKEY, LPCWSTR, LPDWORD, LPDWORD, LPBYTE, LPDWORD);
    auto query = systemFunction<RegQueryValueExW>("advapi32.dll", "RegQueryValueExW");
    if (query == nullptr) return 0;
    std::wstring name;
    for (const char* c = valueName; *c; ++c) name += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    std::vector<wchar_t> buffer(limit + 1, L'\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(limit * sizeof(wchar_t));
    if (query(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
            ERROR_SUCCESS ||
        (type != REG_SZ && type != REG_EXPAND_SZ)) {
        return 0;
    }
    buffer[size / sizeof(wchar_t) < limit ? size / sizeof(wchar_t) : limit] = L'\0';
    text.assign(buffer.data());
    return 1;
}

int readRegistryText(HKEY root, const char* subkey, const char* valueName, unsigned limit,
                     std::string& text) {
    UniqueRegKey key;
    if (RegOpenKeyExA(root, subkey, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) return 0;
    return readRegistryValue(key.get(), valueName, limit, text);
}

int readRegistryValue(HKEY key, const char* valueName, unsigned limit, std::string& text) {
    std::vector<char> buffer(limit + 1, '\0');
    DWORD size = limit;
    if (RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS) {
        return 0;
    }
    if (size > limit) size = limit;
    buffer[size] = '\0';
    text.assign(buffer.data());
    return 1;
}

int readRegistryPath(HKEY key, const char* valueName, unsigned limit, std::string& text,
                     std::string& unnamed) {
    std::string ansi;
    if (!readRegistryValue(key, valueName, limit, ansi)) return 0;
    text = ansi;
    std::wstring wide;
    if (!readRegistryWideText(key, valueName, limit, wide)) return 1;
    AnsiPath path = ansiPathOf(wide);
    if (path.kind == AnsiPath::Kind::shortForm) text = path.path;
    if (path.kind == AnsiPath::Kind::unnamed) {
        text.clear();
        unnamed = path.longForm;
    }
    return 1;
}
