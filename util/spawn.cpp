#include "util/spawn.h"

#include <errno.h>
#include <process.h>
#include <stdlib.h>

namespace {

const std::size_t kCommandLineLimit = 32767;  // CreateProcess's limit, terminator included

}  // namespace

SpawnResult spawnAndWait(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<const char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    argv.push_back(nullptr);

    SpawnResult result;
    // A command line longer than the system passes would arrive cut: refuse it.
    std::size_t length = 0;
    for (const std::string& argument : arguments) length += argument.size() + 1;
    if (length > kCommandLineLimit) {
        result.error = E2BIG;
        return result;
    }
    // Started without waiting, then waited for: only then does -1 mean "not
    // started" for certain; a program may itself exit with -1, and the runtime
    // leaves error numbers behind even when the start worked.
    intptr_t process = _spawnv(_P_NOWAIT, program.c_str(), argv.data());
    if (process == -1) {
        result.error = errno;
        return result;
    }
    int status = 0;
    _cwait(&status, process, 0);  // also closes the process handle
    result.started = true;
    result.exitCode = status;
    return result;
}

void removeClasspathVariable() {
    _putenv("CLASSPATH=");
}
