#include "control/line_notes.h"

#include <cstring>

#include "control/control_parameters.h"

namespace {

const std::size_t kShownKeyLimit = 100;

// The longest key name of the launcher that begins the line, or null: the
// line rule reads the line as that key.
const char* keyOf(const std::string& line) {
    const char* found = nullptr;
    auto consider = [&](const char* name) {
        std::size_t length = std::strlen(name);
        if (line.compare(0, length, name) == 0 && (!found || std::strlen(found) < length)) found = name;
    };
    for (const ControlKey& key : kControlKeys) consider(key.name);
    for (const char* name : kFirstLineKeys) consider(name);
    return found;
}

std::string lineNote(const std::string& line, int number) {
    std::string::size_type first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#' || line[first] == '!') return std::string();
    const std::string where = "kiv.control line " + std::to_string(number) + ": ";
    const char* key = keyOf(line);
    if (!key) {
        std::string name = line.substr(0, line.find('='));
        name.erase(name.find_last_not_of(" \t") + 1);
        if (name.size() > kShownKeyLimit) name = name.substr(0, kShownKeyLimit) + "...";
        return where + "unknown key \"" + name + "\", the launcher ignores the line";
    }
    std::size_t length = std::strlen(key);
    std::string::size_type after = line.find_first_not_of(" \t", length);
    if (length < line.size() && (line[length] == ' ' || line[length] == '\t') && after != std::string::npos &&
        line[after] == '=') {
        return where + "blanks between the key " + key + " and its \"=\": its value is read as \"" +
               line.substr(length + 1) + "\"";
    }
    return std::string();
}

}  // namespace

std::string ControlLineNotes::note(const std::string& piece) {
    const bool continued = continues_;
    continues_ = piece.size() >= pieceLimit_;
    if (continued) return std::string();
    return lineNote(piece, ++line_);
}
