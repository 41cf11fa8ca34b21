#pragma once
#include <string>

// The message forms of the log files, and the line they are written as.

// "message1 message2"
std::string joinMessages(const std::string& first, const std::string& second);

// "message: true" or "message: false"
std::string flagMessage(const std::string& message, int flag);

// The asctime text up to its first line end: "Sun Dec  6 21:00:19 2026".
std::string timeStampText(const char* asctimeText);

// "<stamp> <message>\n"
std::string logLine(const std::string& stamp, const std::string& message);
