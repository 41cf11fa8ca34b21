// The JVM of the benchmark (installed as javaw.exe). Started as
// "-cp . TestJvm <dir>" it plays the version test: writes <dir>\jvmGood.txt
// reporting version 1.3.1. Started any other way it plays the install wizard:
// creates __kivwizard.sem and writes bench-wizard.txt in its working directory
// with the clock at its start and at its end. Each run also appends its command
// line to bench-runs.txt beside the executable, so that the baseline program
// can start exactly what the launcher started.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "bench/bench_clock.h"

namespace {

bool writeFile(const std::string& path, const std::string& content, const char* mode) {
    FILE* out = std::fopen(path.c_str(), mode);
    if (!out) return false;
    bool ok = std::fwrite(content.data(), 1, content.size(), out) == content.size();
    return std::fclose(out) == 0 && ok;
}

std::string ownDirectory() {
    std::string path(MAX_PATH, '\0');
    DWORD length = GetModuleFileNameA(nullptr, &path[0], MAX_PATH);
    path.resize(length < MAX_PATH ? length : 0);
    std::string::size_type slash = path.rfind('\\');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

void versionTest() {
    std::string path = "jvmGood.txt";
    if (__argc > 4) {
        std::string dir = __argv[4];
        if (!dir.empty() && dir.back() != '\\' && dir.back() != '/') dir += '\\';
        path = dir + path;
    }
    writeFile(path, "java version \"1.3.1\"\r\n", "wb");
}

void wizard(long long start) {
    writeFile("__kivwizard.sem", "started", "wb");
    std::string record = "start=" + std::to_string(start) + "\n";
    record += "end=" + std::to_string(clockTicks()) + "\n";
    writeFile("bench-wizard.txt", record, "wb");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    long long start = clockTicks();
    writeFile(ownDirectory() + "\\bench-runs.txt", std::string(GetCommandLineA()) + "\n", "ab");
    if (__argc > 3 && std::strcmp(__argv[3], "TestJvm") == 0) {
        versionTest();
    } else {
        wizard(start);
    }
    return 0;
}
