// The control file: line ends repaired, read line by line into the parameters
// as the launcher does (with its own line reader), backslashes repaired,
// defaults applied.
#include <string>

#include "control/control_parameters.h"
#include "control/control_text.h"
#include "fuzz_input.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    const std::string converted = convertLineEndingsText(content);
    // Every line ends in CR LF, and apart from carriage returns nothing changed.
    std::string text, withoutCr;
    for (std::size_t i = 0; i < converted.size(); ++i) {
        const bool crLf = converted[i] == '\r' && i + 1 < converted.size() && converted[i + 1] == '\n';
        FUZZ_CHECK(converted[i] != '\r' || crLf);
        FUZZ_CHECK(converted[i] != '\n' || (i > 0 && converted[i - 1] == '\r'));
        if (!crLf) text += converted[i];  // as a text-mode stream reads it
    }
    for (char c : content) {
        if (c != '\r') withoutCr += c;
    }
    FUZZ_CHECK(text == withoutCr);

    const auto lines = readAllLines(text, 998, LongLine::kPieces);
    FUZZ_CHECK(lines == modelLines(text, 998, LongLine::kPieces));
    ControlParameters parameters;
    for (const std::string& line : lines) {
        const ControlKey* key = nullptr;
        if (!storeKeyLine(line, parameters, &key)) continue;
        std::string& stored = parameters.*(key->field);
        FUZZ_CHECK(beginsWith(line, key->name) && stored.size() <= key->capacity);
        std::string value = stored;
        removeExtraBackSlashes(value, [](const char*, const std::string&) {});
        // A backslash is left only before a character a file name can hold.
        for (std::size_t i = 0; i + 1 < value.size(); ++i) {
            FUZZ_CHECK(value[i] != '\\' || isfilenameChar(value[i + 1]));
        }
        FUZZ_CHECK(repairInstallDir(stored).find('/') == std::string::npos);
    }
    applyDefaults(parameters, size % 2 == 1);
    FUZZ_CHECK(!parameters.jvmRequiredVersion.empty() || !parameters.jvmMinVersion.empty());
    return 0;
}
