#include "util/registry.h"

#include <vector>

#include "util/win_handles.h"

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
