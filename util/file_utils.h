#pragma once
#include <cstdio>
#include <string>

// The current working directory without a trailing backslash ("C:" in a drive
// root), or "." when the system gives none.
std::string getCurrentDir();

// Whether the path's last character is a backslash under the ANSI code page:
// the second byte of a Shift-JIS letter ("\x95\x5c") is none.
bool endsWithBackslash(const std::string& path);

// The search path from the environment ("path", then "PATH", then "Path"), or null.
const char* getPathPtr();

// The first entry of the search path (getPathPtr) that ends with `name` and
// exists, in lower case. `name` is lower-cased in place first. 1 with the
// entry in `result`, else 0 with `result` as it was (also without a path).
int findDirInPath(std::string& name, std::string& result);

// Existence test only: says nothing about permissions.
int fileExists(const std::string& path);
int isDir(const std::string& path);

// 1 when the target is a complete copy of the source. A missing or unreadable
// source leaves the target untouched; a failed copy leaves no partial target.
int copyFile(const std::string& source, const std::string& target);

// Like copyFile, but appends; a failed append may leave a partly appended target.
int appendFile(const std::string& source, const std::string& target);

// Appends one line to changes.txt, the record of changes made outside the installation.
void logSystemChange(const std::string& line);

// The absolute form of a path (relative ones resolved against the current
// directory), or the path unchanged when the system cannot resolve it.
std::string fullPath(const std::string& path);

// The directory from which the installation was started: the first line of
// startdir.txt (at most 4999 characters) without the blanks and line ends that
// end it. Empty when the file is missing or cannot be read, or holds nothing else.
std::string getStartDir();

// Writes "ok" and a line end. Returns 1, or 0 when the file cannot be created.
int createSemaphoreFile(const std::string& path);
