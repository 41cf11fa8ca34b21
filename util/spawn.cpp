#include "util/spawn.h"

#include <errno.h>
#include <process.h>
#include <stdlib.h>

SpawnResult spawnAndWait(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<const char*> argv;
    argv.reserve(arguments.size() + 1);
    for (const std::string& argument : arguments) argv.push_back(argument.c_str());
    argv.push_back(nullptr);

    SpawnResult result;
    // A program may itself exit with -1: only -1 together with an error number is a failure to start.
    errno = 0;
    intptr_t code = _spawnv(_P_WAIT, program.c_str(), argv.data());
    if (code == -1 && errno != 0) {
        result.error = errno;
        return result;
    }
    result.started = true;
    result.exitCode = static_cast<int>(code);
    return result;
}

void removeClasspathVariable() {
    _putenv("CLASSPATH=");
}
