#include "launcher/folder_lock_name.h"

#include <cstdint>

#include "util/text.h"

std::string folderLockName(const std::string& folder) {
    // 64-bit FNV-1a: no two folders of one machine meet by chance.
    std::uint64_t hash = 14695981039346656037ULL;
    for (char c : folder) {
        hash ^= static_cast<unsigned char>(lowerAscii(c));
        hash *= 1099511628211ULL;
    }
    static const char kDigits[] = "0123456789abcdef";
    std::string name = "kivlauncher.folder.";
    for (int shift = 60; shift >= 0; shift -= 4) name += kDigits[(hash >> shift) & 0xF];
    return name;
}
