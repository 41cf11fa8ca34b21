#include "util/spawn.h"

#include <windows.h>
#include <errno.h>
#include <process.h>
#include <stdlib.h>

namespace {

const std::size_t kCommandLineLimit = 32767;  // CreateProcess's limit, terminator included
// Read by every JVM at start: a setting there can break or stall the version test.
const char* const kJavaOptionVariables[] = {"JAVA_TOOL_OPTIONS", "_JAVA_OPTIONS", "JDK_JAVA_OPTIONS"};

}  // namespace

SpawnResult spawnAndWait(const std::string& program, const std::vector<std::string>& arguments,
                         unsigned long limitMs) {
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
    // _spawnv's result is the process handle.
    HANDLE handle = reinterpret_cast<HANDLE>(process);
    if (limitMs != 0 && WaitForSingleObject(handle, limitMs) == WAIT_TIMEOUT) {
        TerminateProcess(handle, 1);
        result.timedOut = true;
    }
    int status = 0;
    _cwait(&status, process, 0);  // also closes the process handle
    result.started = true;
    result.exitCode = status;
    return result;
}

WithoutJavaOptions::WithoutJavaOptions(bool active) {
    if (!active) return;
    for (const char* name : kJavaOptionVariables) {
        const char* value = getenv(name);
        if (value == nullptr) continue;
        saved_.push_back(std::string(name) + "=" + value);
        _putenv((std::string(name) + "=").c_str());
    }
}

WithoutJavaOptions::~WithoutJavaOptions() {
    for (const std::string& setting : saved_) _putenv(setting.c_str());
}

void removeClasspathVariable() {
    _putenv("CLASSPATH=");
}
