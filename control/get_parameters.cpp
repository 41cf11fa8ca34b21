#include "control/get_parameters.h"

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <vector>

#include "control/control_text.h"
#include "util/file_utils.h"
#include "util/line_reader.h"
#include "util/replace_file.h"
#include "util/unique_file.h"

namespace {

const char kRepairedCopy[] = "__kiv.control";
const char kBackup[] = "__kivold.control";  // the original, while it is replaced in steps
const int kLinePiece = 998;
const std::size_t kChunk = 65536;

// Copies `in` to `out` with repaired line ends; false on any failed read or write.
bool copyConverted(FILE* in, FILE* out) {
    std::vector<char> buffer(kChunk);
    for (;;) {
        std::size_t got = std::fread(buffer.data(), 1, buffer.size(), in);
        if (std::ferror(in)) return false;
        if (got == 0) break;
        std::string converted = convertLineEndingsText(std::string(buffer.data(), got));
        if (std::fwrite(converted.data(), 1, converted.size(), out) != converted.size()) return false;
    }
    return std::fflush(out) == 0;
}

}  // namespace

int GetParameters::getParameters(ControlParameters& parameters, std::string& controlFilename) {
    controlFilename = "kiv.control";
    if (!convertLineEndings(controlFilename)) return 0;
    if (!parseParameters(parameters, controlFilename)) return 0;
    traceValidVersions(parameters);
    return 1;
}

void GetParameters::reportFailure(const char* text) {
    logMessage(kErrorsLog, text);
    showError(window_, text);
}

int GetParameters::convertLineEndings(const std::string& filename) {
    if (restoreLeftoverBackup(filename, kBackup, systemFileSteps())) {
        traceMessage(kTraceLog, "control file restored from", kBackup);
    }
    UniqueFile in = openFile(filename.c_str(), "rb");
    if (!in) {
        reportFailure("Unable to open kiv.control");
        return 0;
    }
    // A read-only control file is not replaced (Windows refuses it too; Wine would not).
    DWORD attributes = GetFileAttributesA(filename.c_str());
    bool writable = attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_READONLY);
    UniqueFile out = writable ? openFile(kRepairedCopy, "wb") : UniqueFile();
    bool copied = out && copyConverted(in.get(), out.get());
    in.reset();
    if (out && std::fclose(out.release()) != 0) copied = false;
    // Only a complete copy replaces the original, and the control file is never
    // lost or left half written.
    if (!copied || !replaceFile(kRepairedCopy, filename, kBackup, systemFileSteps())) {
        std::remove(kRepairedCopy);
        reportFailure("Unable to convert line endings for kiv.control");
        return 0;
    }
    return 1;
}

int GetParameters::parseParameters(ControlParameters& parameters, const std::string& filename) {
    parameters = ControlParameters();
    UniqueFile file = openFile(filename.c_str(), "rt");
    if (!file) {
        logAndTraceMessage(kErrorsLog, kTraceLog, "Unable to open file", filename);
        showError(window_, "Unable to open control file");
        return 0;
    }
    std::string line;
    while (readLine(file.get(), kLinePiece, LongLine::kPieces, line)) {
        const ControlKey* key = nullptr;
        if (!storeKeyLine(line, parameters, &key)) continue;
        std::string& value = parameters.*(key->field);
        if (key->field == &ControlParameters::jvmExtraParameters && !value.empty()) {
            removeExtraBackSlashes(value, [this](const char* label, const std::string& text) {
                traceMessage(kTraceLog, label, text);
            });
        } else if (key->field == &ControlParameters::predefinedJvmInstallDir) {
            value = repairInstallDir(value);
        }
    }
    file.reset();
    return verifyParameters(parameters);
}

int GetParameters::verifyParameters(ControlParameters& parameters) {
    // The console program only for a log that was there before this run began.
    bool console = fileExists(kTraceLog) && !fileExists("jinstall.sem");
    applyDefaults(parameters, console);
    return 1;
}

void GetParameters::traceValidVersions(const ControlParameters& p) {
    std::string line;
    if (!p.jvmRequiredVersion.empty()) {
        line = "Valid version of " + p.jvmCommandName + ": " + p.jvmRequiredVersion;
    } else {
        line = "Valid versions of " + p.jvmCommandName + ": " + p.jvmMinVersion + " through " +
               p.jvmMaxVersion;
    }
    traceMessage(kTraceLog, line);
}
