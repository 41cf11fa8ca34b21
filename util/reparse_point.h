#pragma once
#include <string>

// True for a junction, a symbolic link or another reparse point (never on
// Windows 95, 98 and Me, whose file systems have none).
int isReparsePoint(const std::string& path);
