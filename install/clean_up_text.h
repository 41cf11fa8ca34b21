#pragma once
#include <string>

// Text rules of the clean-up after the wizard.

// A native.properties line as the clean-up reads it back: backslashes that
// were in the line are dropped and forward slashes become backslashes.
std::string readBackPropertiesLine(const std::string& line);

// The file a manifest line names: the rest of a line that begins with "Name: ",
// without trailing blanks and line ends. False for any other line, and for one
// that names nothing.
bool manifestName(const std::string& line, std::string& name);

// True when a relative name stays inside the directory it is taken from: not
// absolute, no drive, and no ".." that climbs above its start.
bool staysInside(const std::string& name);

// True when `path` is `directory` itself or lies below it (both absolute,
// compared without regard to case; separators may be either slash).
bool isWithin(const std::string& path, const std::string& directory);

// True for a path that must never be removed as a tree: empty, or a drive or
// share root.
bool isRootPath(const std::string& path);
