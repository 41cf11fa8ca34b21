#include "util/file_utils.h"

#include <direct.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>

#include "util/copy_stream.h"
#include "util/unique_file.h"

namespace {

const int kCurrentDirLimit = 5000;

int copyOrAppend(const std::string& source, const std::string& target, const char* targetMode,
                 bool removeTargetOnFailure) {
    if (!fileExists(source) || isDir(source)) return 0;
    // Open the source first: a target must not be truncated for a source that cannot be read.
    UniqueFile in = openFile(source.c_str(), "rb");
    if (!in) return 0;
    UniqueFile out = openFile(target.c_str(), targetMode);
    if (!out) return 0;
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
    if (dir.back() == '\\') dir.pop_back();
    return dir;
}

const char* getPathPtr() {
    for (const char* name : {"path", "PATH", "Path"}) {
        if (const char* value = std::getenv(name)) return value;
    }
    return nullptr;
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
    UniqueFile file = openFile("changes.txt", "at");
    if (file) std::fprintf(file.get(), "%s\n", line.c_str());
}

void createSemaphoreFile(const std::string& path) {
    UniqueFile file = openFile(path.c_str(), "wt");
    if (file) std::fputs("ok\n", file.get());
}

void FindHandleTraits::close(Handle handle) noexcept {
    _findclose(handle);
}
