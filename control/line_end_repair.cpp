#include "control/line_end_repair.h"

#include <windows.h>

#include <cstdio>
#include <vector>

#include "control/control_text.h"
#include "util/file_utils.h"
#include "util/unique_file.h"

namespace {

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

// Windows refuses to replace a read-only file; Wine would not, so it is asked first.
bool isReadOnly(const std::string& filename) {
    DWORD attributes = GetFileAttributesA(filename.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY);
}

}  // namespace

LineEndRepair repairLineEnds(const std::string& filename, const std::string& copy,
                             const std::string& backup, const FileSteps& steps) {
    UniqueFile in = openFile(filename.c_str(), "rb");
    if (!in) return LineEndRepair::cannotOpen;
    UniqueFile out = openFile(copy.c_str(), "wb");
    if (!out) return LineEndRepair::cannotCreate;
    bool whole = copyConverted(in.get(), out.get());
    in.reset();
    if (std::fclose(out.release()) != 0) whole = false;

    LineEndRepair outcome = LineEndRepair::repaired;
    if (!whole) {
        outcome = LineEndRepair::keptIncomplete;
    } else if (isReadOnly(filename)) {
        outcome = LineEndRepair::keptReadOnly;
    } else if (!replaceFile(copy, filename, backup, steps)) {
        outcome = LineEndRepair::keptInPlace;
        // A replacement in steps that could not even put the original back leaves it as the backup.
        restoreLeftoverBackup(filename, backup, steps);
    }
    if (outcome != LineEndRepair::repaired) steps.remove(copy.c_str());
    return outcome;
}

const char* keptReason(LineEndRepair outcome) {
    switch (outcome) {
    case LineEndRepair::keptReadOnly: return "the file is read-only";
    case LineEndRepair::keptIncomplete: return "its repaired copy could not be written whole";
    case LineEndRepair::keptInPlace: return "its repaired copy could not replace it";
    default: return "";
    }
}
