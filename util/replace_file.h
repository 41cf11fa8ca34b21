#pragma once
#include <string>

// The file operations a replacement is made of, each 1 on success and 0 on
// failure; tests put failing ones in their place.
struct FileSteps {
    // Replaces `to` by `from` in one step; -1 where the system does not implement
    // that (Windows 95, 98 and Me export MoveFileEx only as a stub).
    int (*replaceInOneStep)(const char* from, const char* to);
    int (*rename)(const char* from, const char* to);  // fails when `to` exists
    int (*remove)(const char* name);
};

// MoveFileEx, rename and remove.
const FileSteps& systemFileSteps();

// Puts `copy` in the place of `target`: in one step where the system can, else
// by renaming `target` to `backup`, `copy` to `target` and deleting `backup`;
// should `copy` not move, `backup` is renamed back. So `target` or `backup`
// always holds a complete file. 1 once `copy` is in place (a backup that could
// not be deleted is left for `restoreLeftoverBackup`), 0 otherwise.
int replaceFile(const std::string& copy, const std::string& target, const std::string& backup,
                const FileSteps& steps);

// Puts right what an interrupted replacement left: a backup without its target
// becomes the target again (1); a backup beside its target is deleted (0).
int restoreLeftoverBackup(const std::string& target, const std::string& backup, const FileSteps& steps);
