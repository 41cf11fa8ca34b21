// The control file: line ends repaired, read line by line into the parameters
// as the launcher does (with its own line reader), backslashes repaired,
// defaults applied.
#include <string>
#include <vector>

#include "control/control_parameters.h"
#include "control/control_text.h"
#include "fuzz_input.h"

namespace {

const std::size_t kLinePiece = 998;  // the launcher reads longer lines in pieces

void checkLineEnds(const std::string& original, const std::string& converted) {
    std::string kept;
    for (std::size_t i = 0; i < converted.size(); ++i) {
        if (converted[i] == '\r') FUZZ_CHECK(i + 1 < converted.size() && converted[i + 1] == '\n');
        if (converted[i] == '\n') FUZZ_CHECK(i > 0 && converted[i - 1] == '\r');
        if (converted[i] != '\r') kept += converted[i];
    }
    std::string expected;
    for (char c : original) {
        if (c != '\r') expected += c;
    }
    FUZZ_CHECK(kept == expected);
    FUZZ_CHECK(convertLineEndingsText(converted) == converted);
}

// The file as a text-mode stream reads it: CR LF read as LF.
std::string textModeView(const std::string& converted) {
    std::string text;
    for (std::size_t i = 0; i < converted.size(); ++i) {
        if (!(converted[i] == '\r' && i + 1 < converted.size() && converted[i + 1] == '\n')) {
            text += converted[i];
        }
    }
    return text;
}

// The lines as the launcher reads them: at most kLinePiece bytes at a time, a
// NUL ending the text.
std::vector<std::string> readLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        std::size_t length = end == std::string::npos ? text.size() - start : end - start + 1;
        if (length > kLinePiece) length = kLinePiece;
        std::string piece = text.substr(start, length);
        start += length;
        piece = piece.c_str();
        if (!piece.empty() && piece.back() == '\n') piece.pop_back();
        lines.push_back(piece);
    }
    return lines;
}

void repairValue(const ControlKey& key, std::string& value) {
    if (key.field == &ControlParameters::jvmExtraParameters && !value.empty()) {
        const std::string before = value;
        std::vector<std::string> labels;
        removeExtraBackSlashes(value, [&labels](const char* label, const std::string&) {
            labels.push_back(label);
        });
        FUZZ_CHECK(onlyBackslashesRemoved(before, value));
        FUZZ_CHECK(labels.size() == 2 + 2 * (before.size() - value.size()));
        FUZZ_CHECK(labels.front() == "initial jvm switches for installer");
        FUZZ_CHECK(labels.back() == "final jvm switches for installer");
        // A backslash is left only before a character a file name can hold.
        for (std::size_t i = 0; i + 1 < value.size(); ++i) {
            if (value[i] == '\\') FUZZ_CHECK(isfilenameChar(value[i + 1]));
        }
    } else if (key.field == &ControlParameters::predefinedJvmInstallDir) {
        std::string slashes = value;
        for (char& c : slashes) {
            if (c == '/') c = '\\';
        }
        value = repairInstallDir(value);
        FUZZ_CHECK(value.find('/') == std::string::npos);
        FUZZ_CHECK(onlyBackslashesRemoved(slashes, value));
    }
}

void checkDefaults(const ControlParameters& p, bool console) {
    FUZZ_CHECK(!p.loaderClasspath.empty() && !p.jvmName.empty());
    FUZZ_CHECK(!p.jvmRequiredVersion.empty() || !p.jvmMinVersion.empty());
    const std::string& name = p.jvmCommandName;
    FUZZ_CHECK(name.size() <= 5000);
    FUZZ_CHECK(name.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string::npos);
    // A name at the capacity may have lost the ".exe" it was given.
    FUZZ_CHECK(name.size() == 5000 || name.find(".exe") != std::string::npos ||
               name.find(".bat") != std::string::npos || name.find(".com") != std::string::npos);
    if (!console) FUZZ_CHECK(!startsWith(name, "jre.exe") && !startsWith(name, "java.exe"));
    FUZZ_CHECK(normalizeCommandName(name, console).substr(0, 5000) == name);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string content(reinterpret_cast<const char*>(data), size);
    const std::string converted = convertLineEndingsText(content);
    checkLineEnds(content, converted);

    const std::string text = textModeView(converted);
    const std::vector<std::string> lines = readLines(text);
    // The launcher's own reader gives the same pieces.
    FUZZ_CHECK(readAllLines(text, static_cast<int>(kLinePiece), LongLine::kPieces) == lines);

    ControlParameters parameters;
    for (const std::string& line : lines) {
        std::string value;
        if (keyLineValue(line, "jvmName", value)) {
            FUZZ_CHECK(value.size() + 8 == line.size() || (value.empty() && line.size() == 7));
        }
        const ControlKey* key = nullptr;
        if (!storeKeyLine(line, parameters, &key)) continue;
        FUZZ_CHECK(key != nullptr && startsWith(line, key->name));
        std::string& stored = parameters.*(key->field);
        FUZZ_CHECK(stored.size() <= key->capacity);
        repairValue(*key, stored);
        isFlagTrue(stored);
    }
    const bool console = size % 2 == 1;
    applyDefaults(parameters, console);
    checkDefaults(parameters, console);
    return 0;
}
