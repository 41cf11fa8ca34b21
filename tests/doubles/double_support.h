#pragma once
// Small helpers shared by the test doubles: their key=value configuration
// files, their own and the working directory, and whole-file writes.
#include <windows.h>

#include <cstdio>
#include <string>

// Calls handle(key, value, line) for every key=value line of the file, if it exists.
template <typename Handle>
void forEachConfigLine(const std::string& path, Handle handle) {
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, in)) {
        std::string line(buffer);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        std::string::size_type equals = line.find('=');
        if (equals == std::string::npos) continue;
        handle(line.substr(0, equals), line.substr(equals + 1), line);
    }
    std::fclose(in);
}

// The directory this program was started from, without a trailing backslash.
inline std::string ownDirectory() {
    char module[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, module, MAX_PATH);
    std::string dir(module, length < MAX_PATH ? length : 0);
    std::string::size_type slash = dir.rfind('\\');
    dir.erase(slash == std::string::npos ? 0 : slash);
    return dir;
}

inline std::string currentDirectory() {
    DWORD size = GetCurrentDirectoryA(0, nullptr);
    std::string dir(size, '\0');
    DWORD length = GetCurrentDirectoryA(size, &dir[0]);
    dir.resize(length < size ? length : 0);
    return dir;
}

inline bool writeFile(const std::string& path, const std::string& content, const char* mode) {
    FILE* out = std::fopen(path.c_str(), mode);
    if (!out) return false;
    bool ok = std::fwrite(content.data(), 1, content.size(), out) == content.size();
    return std::fclose(out) == 0 && ok;
}
