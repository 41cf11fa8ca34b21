#pragma once
#include <string>

// The name of the mutex that a launcher holds for its installation directory:
// a fixed prefix and a hash of the folder's path with the letters A to Z
// folded to lower case, as Windows compares paths. A mutex name may hold any
// character but the backslash, and its length is limited: the hash keeps both.
std::string folderLockName(const std::string& folder);
