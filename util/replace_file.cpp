#include "util/replace_file.h"

#include <windows.h>

#include <cstdio>

#include "util/file_utils.h"
#include "util/system_function.h"

namespace {

int moveReplacing(const char* from, const char* to) {
    using MoveFileExFunction = BOOL(WINAPI*)(const char*, const char*, DWORD);
    auto moveFile = systemFunction<MoveFileExFunction>("kernel32.dll", "MoveFileExA");
    if (moveFile == nullptr) return -1;
    if (moveFile(from, to, MOVEFILE_REPLACE_EXISTING)) return 1;
    return GetLastError() == ERROR_CALL_NOT_IMPLEMENTED ? -1 : 0;
}

int renameFile(const char* from, const char* to) {
    return std::rename(from, to) == 0 ? 1 : 0;
}

int removeFile(const char* name) {
    return std::remove(name) == 0 ? 1 : 0;
}

}  // namespace

const FileSteps& systemFileSteps() {
    static const FileSteps steps = {moveReplacing, renameFile, removeFile};
    return steps;
}

int replaceFile(const std::string& copy, const std::string& target, const std::string& backup,
                const FileSteps& steps) {
    int oneStep = steps.replaceInOneStep(copy.c_str(), target.c_str());
    if (oneStep >= 0) return oneStep;
    if (!steps.rename(target.c_str(), backup.c_str())) return 0;
    if (!steps.rename(copy.c_str(), target.c_str())) {
        steps.rename(backup.c_str(), target.c_str());
        return 0;
    }
    steps.remove(backup.c_str());
    return 1;
}

int restoreLeftoverBackup(const std::string& target, const std::string& backup, const FileSteps& steps) {
    if (!fileExists(backup)) return 0;
    if (fileExists(target)) {
        steps.remove(backup.c_str());
        return 0;
    }
    return steps.rename(backup.c_str(), target.c_str());
}
