#include "util/line_reader.h"

#include <cstring>

bool readLine(std::FILE* file, int limit, LongLine longLine, std::string& line) {
    std::string buffer(static_cast<std::size_t>(limit) + 1, '\0');
    if (std::fgets(&buffer[0], limit + 1, file) == nullptr) return false;
    const char* text = buffer.c_str();
    const char* lineFeed = std::strchr(text, '\n');
    if (lineFeed == nullptr && longLine == LongLine::kRestDropped) {
        int c;
        while ((c = std::fgetc(file)) != EOF && c != '\n') {
        }
    }
    line.assign(text, lineFeed != nullptr ? static_cast<std::size_t>(lineFeed - text) : std::strlen(text));
    return true;
}
