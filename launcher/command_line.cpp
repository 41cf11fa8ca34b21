#include "launcher/command_line.h"

namespace {

bool isSwitchWord(const std::string& word, const char* flag) {
    return word.find(flag) != std::string::npos;
}

void addWordAfterSwitch(std::string word, CommandLine& result, bool& inQuote) {
    std::string::size_type quote = word.find('"');
    if (result.passThrough.empty()) {
        if (quote != std::string::npos) {
            word.erase(0, quote + 1);
            inQuote = true;
        }
        result.passThrough = word;
    } else if (inQuote) {
        if (quote != std::string::npos) {
            word.erase(quote);
            inQuote = false;
        }
        result.passThrough += " " + word;
    }
}

}  // namespace

CommandLine parseCommandLine(const std::string& commandLine) {
    CommandLine result;
    bool inQuote = false;
    std::string::size_type start = 0;
    std::string::size_type blank;
    while ((blank = commandLine.find(' ', start)) != std::string::npos) {
        std::string word = commandLine.substr(start, blank - start);
        if (isSwitchWord(word, "-q")) {
            result.quiet = 1;
        } else if (isSwitchWord(word, "-s")) {
            result.silent = 1;
        } else if (result.quiet || result.silent) {
            addWordAfterSwitch(word, result, inQuote);
        }
        start = blank + 1;
    }

    std::string remainder = commandLine.substr(start);
    if ((result.quiet || result.silent) && !remainder.empty()) {
        if (result.passThrough.empty()) {
            result.passThrough = remainder;  // taken as it stands, quotes included
        } else if (inQuote) {
            std::string::size_type quote = remainder.find('"');
            if (quote != std::string::npos) remainder.erase(quote);
            result.passThrough += " " + remainder;
        }
    }
    return result;
}

char* commandTail(char* processCommandLine) {
    // Unsigned: a name such as C:\T\xe9l\xe9chargements\launcher.exe must not end at its first accent.
    auto* cursor = reinterpret_cast<unsigned char*>(processCommandLine);
    bool inQuotes = false;
    while (*cursor > ' ' || (*cursor != 0 && inQuotes)) {
        if (*cursor == '"') inQuotes = !inQuotes;
        ++cursor;
    }
    while (*cursor != 0 && *cursor <= ' ') ++cursor;
    return reinterpret_cast<char*>(cursor);
}

bool isQuietCommandLine(const std::string& commandLine) {
    std::string::size_type start = 0;
    std::string::size_type blank;
    while ((blank = commandLine.find(' ', start)) != std::string::npos) {
        std::string word = commandLine.substr(start, blank - start);
        if (isSwitchWord(word, "-q") || isSwitchWord(word, "-s")) return true;
        start = blank + 1;
    }
    return false;
}
