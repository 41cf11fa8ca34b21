#pragma once
#include <ctime>
#include <string>

// The message forms of the log files, and the line they are written as.

// "message1 message2"
std::string joinMessages(const std::string& first, const std::string& second);

// "message: true" or "message: false"
std::string flagMessage(const std::string& message, int flag);

// The standard asctime text without its line end, the day padded with a blank:
// "Sun Dec  6 21:00:19 2026". Formatted here because the system runtime pads
// the day with a zero.
std::string timeStampText(const std::tm& time);

// "<stamp> <message>\n"
std::string logLine(const std::string& stamp, const std::string& message);
