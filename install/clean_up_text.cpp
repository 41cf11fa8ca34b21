#include "install/clean_up_text.h"

#include "util/text.h"

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

// Lower case, backslashes only, no trailing separator.
std::string canonical(const std::string& path) {
    std::string result = path;
    lowerAsciiLetters(result);
    for (char& c : result) {
        if (c == '/') c = '\\';
    }
    while (result.size() > 1 && result.back() == '\\') result.pop_back();
    return result;
}

}  // namespace

std::string readBackPropertiesLine(const std::string& line) {
    std::string result;
    for (char c : line) {
        if (c == '\\') continue;
        result += c == '/' ? '\\' : c;
    }
    return result;
}

bool manifestName(const std::string& line, std::string& name) {
    if (line.compare(0, 6, "Name: ") != 0) return false;
    std::string rest = trimLineEnd(line.substr(6));
    if (rest.empty()) return false;
    name = rest;
    return true;
}

bool staysInside(const std::string& name) {
    if (name.empty() || isSeparator(name[0]) || name.find(':') != std::string::npos) return false;
    int depth = 0;
    std::string::size_type start = 0;
    while (start <= name.size()) {
        std::string::size_type end = start;
        while (end < name.size() && !isSeparator(name[end])) ++end;
        std::string part = name.substr(start, end - start);
        if (part == "..") {
            if (--depth < 0) return false;
        } else if (!part.empty() && part != ".") {
            ++depth;
        }
        start = end + 1;
    }
    return true;
}

bool isWithin(const std::string& path, const std::string& directory) {
    std::string p = canonical(path), d = canonical(directory);
    if (d.empty()) return false;
    return p == d || (p.size() > d.size() && p.compare(0, d.size(), d) == 0 &&
                      (p[d.size()] == '\\' || d.back() == '\\'));
}

bool isRootPath(const std::string& path) {
    std::string p = canonical(path);
    if (p.empty() || p == "\\" || p == ".") return true;
    if (p.size() <= 3 && p.size() >= 2 && p[1] == ':') return true;  // "c:", "c:\"
    if (p.compare(0, 2, "\\\\") == 0) {
        // \\server\share is a root; anything below it is not.
        std::string::size_type share = p.find('\\', 2);
        return share == std::string::npos || p.find('\\', share + 1) == std::string::npos;
    }
    return false;
}
