#include "util/text.h"

#include <cstring>

void lowerAsciiLetters(std::string& text) {
    for (char& c : text) c = lowerAscii(c);
}

int compareIgnoringCase(const std::string& a, const std::string& b) {
    for (std::string::size_type i = 0; i < a.size() && i < b.size(); ++i) {
        unsigned char x = static_cast<unsigned char>(lowerAscii(a[i]));
        unsigned char y = static_cast<unsigned char>(lowerAscii(b[i]));
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool equalsIgnoringCase(const std::string& a, const std::string& b) {
    return compareIgnoringCase(a, b) == 0;
}

bool beginsWith(const std::string& text, const char* prefix) {
    return text.compare(0, std::strlen(prefix), prefix) == 0;
}

bool endsWithBackslash(const std::string& path, bool (*isLeadByte)(unsigned char)) {
    // Letters are found from the start: a byte's role depends on those before it.
    for (std::string::size_type i = 0; i < path.size(); ++i) {
        if (i + 1 == path.size()) return path[i] == '\\';
        if (isLeadByte(static_cast<unsigned char>(path[i]))) ++i;
    }
    return false;
}

std::string fileNameOf(const std::string& path) {
    std::string::size_type slash = path.rfind('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string afterLastSlash(const std::string& text) {
    std::string::size_type slash = text.rfind('/');
    return slash == std::string::npos ? text : text.substr(slash + 1);
}

bool isWebAddress(const std::string& address) {
    for (const std::string scheme : {"http://", "https://"}) {
        if (!equalsIgnoringCase(address.substr(0, scheme.size()), scheme)) continue;
        // The shell hands the address to the browser's command, often "browser.exe" "%1":
        // a quote or a line break would add arguments of the address's making.
        for (std::string::size_type at = scheme.size(); at < address.size(); ++at) {
            const unsigned char c = static_cast<unsigned char>(address[at]);
            if (c <= ' ' || c >= 0x7F || std::strchr("\"<>\\^`{|}", c) != nullptr) return false;
        }
        return true;
    }
    return false;
}

std::string trimLineEnd(const std::string& line) {
    std::string::size_type end = line.find_last_not_of(" \r\n");
    return end == std::string::npos ? std::string() : line.substr(0, end + 1);
}

std::vector<std::string> splitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string::size_type start = 0;
    for (;;) {
        std::string::size_type blank = text.find(' ', start);
        if (blank == std::string::npos) {
            words.push_back(text.substr(start));
            return words;
        }
        words.push_back(text.substr(start, blank - start));
        start = blank + 1;
    }
}

std::vector<std::string> splitSearchPath(const std::string& searchPath) {
    std::vector<std::string> entries;
    std::string::size_type start = 0;
    while (start < searchPath.size()) {
        std::string::size_type end = searchPath.find(';', start);
        entries.push_back(searchPath.substr(start, end == std::string::npos ? end : end - start));
        if (end == std::string::npos) break;
        start = end + 1;
    }
    return entries;
}
