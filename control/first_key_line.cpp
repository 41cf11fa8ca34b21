#include "control/first_key_line.h"

#include <cstdio>

#include "control/control_text.h"
#include "util/unique_file.h"

namespace {

const int kLinePiece = 998;

}  // namespace

bool readFirstKeyLine(const char* fallback, const char* key, std::string& value, bool& found,
                      std::string* line) {
    UniqueFile file = openFile("kiv.control", "rt");
    if (!file) file = openFile(fallback, "rt");
    if (!file) return false;
    found = false;
    char piece[kLinePiece + 1];
    while (!found && std::fgets(piece, sizeof piece, file.get()) != nullptr) {
        std::string text(piece);
        std::string::size_type end = text.find('\n');
        if (end != std::string::npos) text.erase(end);
        if (keyLineValue(text, key, value)) {
            found = true;
            if (line) *line = text;
        }
    }
    return true;
}
