#include "diagnostics/log_text.h"

std::string joinMessages(const std::string& first, const std::string& second) {
    return first + " " + second;
}

std::string flagMessage(const std::string& message, int flag) {
    return message + (flag ? ": true" : ": false");
}

std::string timeStampText(const char* asctimeText) {
    if (asctimeText == nullptr) return std::string();
    std::string stamp(asctimeText);
    std::string::size_type end = stamp.find('\n');
    if (end != std::string::npos) stamp.erase(end);
    return stamp;
}

std::string logLine(const std::string& stamp, const std::string& message) {
    return stamp + " " + message + "\n";
}
