// The control file: line ends repaired, read line by line into the parameters
// as the launcher does (with its own line reader), the author's notes made,
// backslashes repaired, defaults applied.
#include <string>

#include "control/control_parameters.h"
#include "control/control_text.h"
#include "control/line_notes.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    // Every line ends in CR LF, and but for carriage returns nothing changed.
    const std::string converted = convertLineEndingsText(content);
    std::string text, withoutCr;
    for (std::size_t i = 0; i < converted.size(); ++i) {
        const bool crLf = converted[i] == '\r' && i + 1 < converted.size() && converted[i + 1] == '\n';
        FUZZ_CHECK(converted[i] != '\r' || crLf);
        FUZZ_CHECK(converted[i] != '\n' || (i > 0 && converted[i - 1] == '\r'));
        if (!crLf) text += converted[i];  // as a text-mode stream reads it
    }
    for (char c : content) withoutCr += c == '\r' ? "" : std::string(1, c);
    FUZZ_CHECK(text == withoutCr);

    ControlParameters parameters;
    ControlLineNotes notes(998);
    for (const std::string& line : readAllLines(text, 998, LongLine::kPieces)) {
        // A note names a line of the file; a line read as a key is never called unknown.
        const std::string note = notes.note(line);
        FUZZ_CHECK(note.empty() || beginsWith(note, "kiv.control line "));
        const ControlKey* key = nullptr;
        if (!storeKeyLine(line, parameters, &key)) continue;
        FUZZ_CHECK(note.find("unknown key") == std::string::npos);
        std::string value = parameters.*(key->field);
        removeExtraBackSlashes(value, [](const char*, const std::string&) {});
        repairInstallDir(value);
    }
    applyDefaults(parameters, size % 2 == 1);
    return 0;
}
