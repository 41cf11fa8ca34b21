#include "jvm/find/search_text.h"

#include <vector>

#include "jvm/find/version_numbers.h"
#include "util/text.h"

namespace {

bool allDigits(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

std::string lower(std::string text) {
    lowerAsciiLetters(text);
    return text;
}

}  // namespace

std::string releaseJavaVersion(const std::string& content) {
    const std::string key = "JAVA_VERSION=";
    std::string::size_type start = 0;
    while (start < content.size()) {
        std::string::size_type end = content.find('\n', start);
        if (end == std::string::npos) end = content.size();
        std::string line = trimLineEnd(content.substr(start, end - start));
        if (line.compare(0, key.size(), key) == 0) {
            std::string value = line.substr(key.size());
            if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
            return value;
        }
        start = end + 1;
    }
    return std::string();
}

std::string keyNameVersion(const std::string& name) {
    return extractVersionToken(name);
}

std::string javaVersionOfKeyName(const std::string& name) {
    // 8.0.<update>.<build> or 8.0.<update>, nothing else.
    std::vector<std::string> parts;
    std::string::size_type start = 0;
    for (;;) {
        std::string::size_type dot = name.find('.', start);
        parts.push_back(name.substr(start, dot == std::string::npos ? std::string::npos : dot - start));
        if (dot == std::string::npos) break;
        start = dot + 1;
    }
    if ((parts.size() != 3 && parts.size() != 4) || parts[0] != "8" || parts[1] != "0" || !allDigits(parts[2]) ||
        (parts.size() == 4 && !allDigits(parts[3]))) {
        return name;
    }
    return "1.8.0_" + parts[2];
}

std::string binFolderHome(const std::string& folder) {
    const std::string bin = "\\bin";
    if (folder.size() <= bin.size() || lower(folder.substr(folder.size() - bin.size())) != bin) {
        return std::string();
    }
    return folder.substr(0, folder.size() - bin.size());
}

bool startsWithFolder(const std::string& path, const std::string& start) {
    return !start.empty() && lower(path).compare(0, start.size(), lower(start)) == 0;
}

bool isAbsolutePath(const std::string& path) {
    if (path.size() >= 3 && ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z')) &&
        path[1] == ':' && path[2] == '\\') {
        return true;
    }
    if (!isNetworkPath(path)) return false;
    std::string::size_type share = path.find('\\', 2);
    return share != std::string::npos && share > 2 && share + 1 < path.size() && path[share + 1] != '\\';
}

bool isNetworkPath(const std::string& path) {
    return path.compare(0, 2, "\\\\") == 0;
}

bool isInsideFolder(const std::string& path, const std::string& folder) {
    if (folder.empty() || !startsWithFolder(path, folder)) return false;
    if (path.size() == folder.size()) return true;
    if (path[folder.size()] != '\\' && path[folder.size()] != '/') return false;
    std::string::size_type start = folder.size() + 1;
    while (start <= path.size()) {
        std::string::size_type end = path.find_first_of("\\/", start);
        if (end == std::string::npos) end = path.size();
        std::string part = path.substr(start, end - start);
        if (!part.empty() && part.find_first_not_of(". ") == std::string::npos) return false;
        start = end + 1;
    }
    return true;
}
