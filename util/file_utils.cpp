#include "util/file_utils.h"

#include <windows.h>
#include <direct.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

#include "util/copy_stream.h"
#include "util/line_reader.h"
#include "util/path_search.h"
#include "util/run_files.h"
#include "util/text.h"
#include "util/unique_file.h"

namespace {

const int kCurrentDirLimit = 5000;
const int kStartDirLineLimit = 4999;

int copyOrAppend(const std::string& source, const std::string& target, const char* targetMode,
                 bool removeTargetOnFailure) {
    if (!fileExists(source) || isDir(source)) return 0;
    // Open the source first: a target must not be truncated for a source that cannot be read.
    UniqueFile in = openFile(source.c_str(), "rb");
    if (!in) return 0;
    UniqueFile out = openFile(target.c_str(), targetMode);
    if (!out) return 0;
    // The copy reads and writes passes of up to 20 pieces of 30000 bytes in one
    // call each; a stream buffer would only split them into more calls.
    std::setvbuf(in.get(), nullptr, _IONBF, 0);
    std::setvbuf(out.get(), nullptr, _IONBF, 0);
    // An appending stream reports position 0 until its first write.
    if (fseeko64(out.get(), 0, SEEK_END) != 0) return 0;
    int copied = copyStream(in.get(), out.get());
    if (std::fclose(out.release()) != 0) copied = 0;
    if (!copied && removeTargetOnFailure) std::remove(target.c_str());
    return copied;
}

}  // namespace

std::string getCurrentDir() {
    char buffer[kCurrentDirLimit];
    if (_getcwd(buffer, kCurrentDirLimit) == nullptr || buffer[0] == '\0') return ".";
    std::string dir(buffer);
    // Only a root ends in a backslash.
    if (endsWithBackslash(dir)) dir.pop_back();
    return dir;
}

bool endsWithBackslash(const std::string& path) {
    return endsWithBackslash(path, [](unsigned char c) { return IsDBCSLeadByte(c) != 0; });
}

const char* getPathPtr() {
    for (const char* name : {"path", "PATH", "Path"}) {
        if (const char* value = std::getenv(name)) return value;
    }
    return nullptr;
}

int findDirInPath(std::string& name, std::string& result) {
    lowerAsciiLetters(name);
    const char* path = getPathPtr();
    if (path == nullptr) return 0;
    // Every entry is examined, however long the search path is.
    std::string entry = findEntryEndingWith(path, name, [](const std::string& candidate) {
        return fileExists(candidate) != 0;
    });
    if (entry.empty()) return 0;
    result = entry;
    return 1;
}

int fileExists(const std::string& path) {
    return _access(path.c_str(), 0) == 0 ? 1 : 0;
}

int isDir(const std::string& path) {
    if (!fileExists(path)) return 0;
    struct _stat status;
    if (_stat(path.c_str(), &status) != 0) return 0;
    return (status.st_mode & _S_IFDIR) ? 1 : 0;
}

int copyFile(const std::string& source, const std::string& target) {
    return copyOrAppend(source, target, "wb", true);
}

int appendFile(const std::string& source, const std::string& target) {
    return copyOrAppend(source, target, "ab", false);
}

void logSystemChange(const std::string& line) {
    UniqueFile file = openFile(kChangesFile, "at");
    if (file) std::fprintf(file.get(), "%s\n", line.c_str());
}

std::string fullPath(const std::string& path) {
    if (path.empty()) return path;
    char buffer[kCurrentDirLimit];
    return _fullpath(buffer, path.c_str(), sizeof buffer) ? std::string(buffer) : path;
}

std::string getStartDir() {
    if (!fileExists(kStartDirFile)) return std::string();
    UniqueFile file = openFile(kStartDirFile, "rt");
    std::string line;
    if (!file || !readLine(file.get(), kStartDirLineLimit, LongLine::kPieces, line)) return std::string();
    return trimLineEnd(line);
}

int createSemaphoreFile(const std::string& path) {
    UniqueFile file = openFile(path.c_str(), "wt");
    if (!file) return 0;
    std::fputs("ok\n", file.get());
    return 1;
}

void FindHandleTraits::close(Handle handle) noexcept {
    _findclose(handle);
}
