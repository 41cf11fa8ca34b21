#include "control/first_key_line.h"

#include "control/control_text.h"
#include "util/line_reader.h"
#include "util/run_files.h"
#include "util/unique_file.h"

bool readFirstKeyLine(const char* first, const char* fallback, const char* key, std::string& value, bool& found,
                      std::string* line) {
    UniqueFile file = openFile(first, "rt");
    if (!file) file = openFile(fallback, "rt");
    if (!file) return false;
    found = false;
    std::string text;
    while (!found && readLine(file.get(), kLinePiece, LongLine::kPieces, text)) {
        if (keyLineValue(text, key, value)) {
            found = true;
            if (line) *line = text;
        }
    }
    return true;
}

bool exitCodeReportWanted() {
    std::string value;
    bool found = false;
    return readFirstKeyLine(kControlFile, kRepairedControlFile, "exitCodeReport", value, found) && found &&
           isFlagTrue(value);
}
