#include "diagnostics/log_text.h"

#include <cstdio>

std::string joinMessages(const std::string& first, const std::string& second) {
    return first + " " + second;
}

std::string flagMessage(const std::string& message, int flag) {
    return message + (flag ? ": true" : ": false");
}

std::string timeStampText(const std::tm& time) {
    static const char kDays[7][4] = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    static const char kMonths[12][4] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    char text[64];
    std::snprintf(text, sizeof text, "%s %s%3d %.2d:%.2d:%.2d %d",
                  kDays[static_cast<unsigned>(time.tm_wday) % 7],
                  kMonths[static_cast<unsigned>(time.tm_mon) % 12], time.tm_mday, time.tm_hour,
                  time.tm_min, time.tm_sec, 1900 + time.tm_year);
    return text;
}

std::string logLine(const std::string& stamp, const std::string& message) {
    return stamp + " " + message + "\n";
}
