#include "control/get_parameters.h"

#include "control/control_text.h"
#include "control/line_end_repair.h"
#include "control/line_notes.h"
#include "util/file_utils.h"
#include "util/line_reader.h"
#include "util/replace_file.h"
#include "util/run_files.h"
#include "util/unique_file.h"

int GetParameters::getParameters(ControlParameters& parameters, std::string& controlFilename) {
    controlFilename = kControlFile;
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
    if (restoreLeftoverBackup(filename, kControlBackup, systemFileSteps())) {
        traceMessage(kTraceLog, "control file restored from", kControlBackup);
    }
    LineEndRepair outcome = repairLineEnds(filename, kRepairedControlFile, kControlBackup, systemFileSteps());
    switch (outcome) {
    case LineEndRepair::cannotOpen:
        reportFailure("Unable to open kiv.control");
        return 0;
    case LineEndRepair::cannotCreate:
        reportFailure("Unable to convert line endings for kiv.control");
        return 0;
    case LineEndRepair::repaired:
        return 1;
    default:
        // Text mode reads either kind of line end: the original serves as it is.
        traceMessage(kTraceLog, filename + " read as it is, its line ends not repaired:", keptReason(outcome));
        return 1;
    }
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
    ControlLineNotes notes(kLinePiece);
    while (readLine(file.get(), kLinePiece, LongLine::kPieces, line)) {
        std::string note = notes.note(line);
        if (!note.empty()) traceMessage(kTraceLog, note);
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
    bool console = fileExists(kTraceLog) && !fileExists(kTraceMarker);
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
