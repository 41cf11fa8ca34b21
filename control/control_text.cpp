#include "control/control_text.h"

#include <cstring>

#include "util/text.h"

bool keyLineValue(const std::string& line, const char* key, std::string& value) {
    std::size_t length = std::strlen(key);
    if (line.compare(0, length, key) != 0) return false;
    value = line.size() > length ? line.substr(length + 1) : std::string();
    return true;
}

bool isFlagTrue(const std::string& value) {
    std::string lower = value;
    lowerAsciiLetters(lower);
    return lower == "true" || lower == "yes";
}

bool isPluginMode(const std::string& jvmName) {
    std::string lower = jvmName;
    lowerAsciiLetters(lower);
    return lower == "java plug-in";
}

std::string convertLineEndingsText(const std::string& content) {
    std::string converted;
    converted.reserve(content.size() + content.size() / 16);
    for (char c : content) {
        if (c == '\r') continue;
        if (c == '\n') converted += '\r';
        converted += c;
    }
    return converted;
}

int isfilenameChar(char c) {
    return std::strchr("\\/:*?\"<>|", c) == nullptr || c == '\0' ? 1 : 0;
}

std::string repairInstallDir(const std::string& value) {
    std::string repaired;
    for (std::size_t i = 0; i < value.size(); ++i) {
        char c = value[i];
        if (c == '/') {
            repaired += '\\';
        } else if (c == '\\' && i + 1 < value.size() && (value[i + 1] == ':' || value[i + 1] == '\\')) {
            repaired += value[++i];  // kept as it stands, not examined again
        } else {
            repaired += c;
        }
    }
    return repaired;
}

std::string normalizeCommandName(const std::string& name, bool console) {
    std::string lower = name;
    lowerAsciiLetters(lower);
    if (lower.find(".exe") == std::string::npos && lower.find(".bat") == std::string::npos &&
        lower.find(".com") == std::string::npos) {
        std::string::size_type dot = lower.find('.');
        if (dot != std::string::npos) lower.erase(dot);
        lower += ".exe";
    }
    if (!console) {
        if (lower.compare(0, 7, "jre.exe") == 0) lower = "jrew.exe";
        else if (lower.compare(0, 8, "java.exe") == 0) lower = "javaw.exe";
    }
    return lower;
}
