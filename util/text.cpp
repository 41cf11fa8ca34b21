#include "util/text.h"

#include <cstring>

void lowerAsciiLetters(std::string& text) {
    for (char& c : text) c = lowerAscii(c);
}

bool beginsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

std::string fileNameOf(const std::string& path) {
    std::string::size_type slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string trimLineEnd(const std::string& line) {
    std::string::size_type end = line.find_last_not_of(" \r\n");
    return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}
