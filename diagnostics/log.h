#pragma once
#include <string>

// Appends time-stamped lines to a named file, opening and closing it per line so
// that other processes may read, copy or delete it in between. A file that
// cannot be opened loses its line silently.
class Log {
public:
    void logMessage(const char* file, const std::string& message);
    void logMessage(const char* file, const std::string& first, const std::string& second);
    void logMessage(const char* file, const std::string& message, int flag);
};
