#include "launcher/command_line.h"

#include <algorithm>
#include <vector>

#include "util/text.h"

namespace {

bool isSwitchWord(const std::string& word, const char* flag) {
    return word.find(flag) != std::string::npos;
}

// Asked word by word, in order: whether a word belongs to a double-quoted
// argument, one that begins with a double quote and every word after it up to
// the one whose quote closes it. So "C:\Data\my-stuff\Acme Suite" is never a switch.
class QuotedArgument {
public:
    bool holds(const std::string& word) {
        bool inside = open_ || (!word.empty() && word[0] == '"');
        if (inside && std::count(word.begin(), word.end(), '"') % 2 != 0) open_ = !open_;
        return inside;
    }

private:
    bool open_ = false;
};

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
    // Every word but the last, which is the remainder: it is never a switch.
    std::vector<std::string> words = splitWords(commandLine);
    std::string remainder = words.back();
    words.pop_back();
    QuotedArgument quoted;
    for (const std::string& word : words) {
        const bool inQuotes = quoted.holds(word);
        if (!inQuotes && isSwitchWord(word, "-q")) {
            result.quiet = 1;
        } else if (!inQuotes && isSwitchWord(word, "-s")) {
            result.silent = 1;
        } else if (result.quiet || result.silent) {
            addWordAfterSwitch(word, result, inQuote);
        }
    }

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
    std::vector<std::string> words = splitWords(commandLine);
    words.pop_back();  // the last word is never examined
    QuotedArgument quoted;
    for (const std::string& word : words) {
        if (!quoted.holds(word) && (isSwitchWord(word, "-q") || isSwitchWord(word, "-s"))) return true;
    }
    return false;
}
