#pragma once
// Small helpers shared by the test doubles: their key=value configuration
// files, their own and the working directory, and whole-file reads and writes.
#include <windows.h>

#include <cstdio>
#include <string>

inline bool readFile(const std::string& path, std::string& content) {
    FILE* in = std::fopen(path.c_str(), "rb");
    if (!in) return false;
    char buffer[4096];
    size_t count;
    while ((count = std::fread(buffer, 1, sizeof buffer, in)) > 0) content.append(buffer, count);
    std::fclose(in);
    return true;
}

inline bool writeFile(const std::string& path, const std::string& content, const char* mode) {
    FILE* out = std::fopen(path.c_str(), mode);
    if (!out) return false;
    bool ok = std::fwrite(content.data(), 1, content.size(), out) == content.size();
    return std::fclose(out) == 0 && ok;
}

// Written under another name and renamed, so that a test never reads half a record.
inline void writeRecord(const std::string& path, const std::string& content) {
    if (writeFile(path + ".tmp", content, "wb"))
        MoveFileExA((path + ".tmp").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

// Calls handle(key, value, line) for every key=value line of the file, if it exists.
template <typename Handle>
void forEachConfigLine(const std::string& path, Handle handle) {
    std::string content, line;
    readFile(path, content);
    for (char c : content + "\n") {
        if (c != '\n') {
            if (c != '\r') line += c;
            continue;
        }
        std::string::size_type equals = line.find('=');
        if (equals != std::string::npos) handle(line.substr(0, equals), line.substr(equals + 1), line);
        line.clear();
    }
}

// The directory this program was started from, without a trailing backslash; in
// its short form, which the ANSI code page holds even for a folder named in
// another script.
inline std::string ownDirectory() {
    wchar_t module[MAX_PATH], shortName[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, module, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return std::string();
    DWORD shortLength = GetShortPathNameW(module, shortName, MAX_PATH);
    const wchar_t* name = shortLength > 0 && shortLength < MAX_PATH ? shortName : module;
    char ansi[MAX_PATH * 2];
    length = static_cast<DWORD>(WideCharToMultiByte(CP_ACP, 0, name, -1, ansi, sizeof ansi, nullptr, nullptr));
    std::string dir(ansi, length > 0 ? length - 1 : 0);
    std::string::size_type slash = dir.rfind('\\');
    dir.erase(slash == std::string::npos ? 0 : slash);
    return dir;
}

inline std::string currentDirectory() {
    char dir[MAX_PATH] = "";
    GetCurrentDirectoryA(MAX_PATH, dir);
    return dir;
}

// Creates every directory on the way to the file; existing ones are fine.
inline void createParents(const std::string& file) {
    for (std::string::size_type slash = file.find('\\', 1); slash != std::string::npos;
         slash = file.find('\\', slash + 1)) {
        CreateDirectoryA(file.substr(0, slash).c_str(), nullptr);
    }
}
