// Test double for a JVM self-extractor, carried by an installation under the
// name its control file gives. Run without arguments in the JVM directory, it
// unpacks a fake JVM there: jvm_double.exe (beside this executable) copied to
// every listed .exe, with a jvm-double.txt beside each that makes it report the
// version, and placeholder content in every other listed file. Every run is
// first appended to extractor-runs.txt beside the executable.
//
// extractor.txt beside the executable, lines key=value:
//   home=<path>     where to unpack, relative to the working directory;
//                   empty (the default) unpacks into the working directory
//   version=<text>  the version the unpacked JVM reports (default 1.3.1)
//   files=<a,b,..>  relative paths to create (default: a 1.3-style JRE)
//   other lines     copied into the unpacked JVM's jvm-double.txt (e.g. wizard=no)
#include <windows.h>

#include "double_support.h"

#include <cstdio>
#include <string>

namespace {

struct Config {
    std::string home;
    std::string version = "1.3.1";
    std::string files = "bin\\javaw.exe,bin\\java.exe,bin\\msvcrt.dll,bin\\hotspot\\jvm.dll";
    std::string jvmLines;  // any other key=value lines, handed on to the unpacked JVM double
};

Config readConfig(const std::string& path) {
    Config config;
    forEachConfigLine(path, [&](const std::string& key, const std::string& value, const std::string& line) {
        if (key == "home")
            config.home = value;
        else if (key == "version")
            config.version = value;
        else if (key == "files")
            config.files = value;
        else
            config.jvmLines += line + "\n";
    });
    return config;
}

// Creates every directory on the way to the file; existing ones are fine.
void createParents(const std::string& file) {
    for (std::string::size_type slash = file.find('\\', 1); slash != std::string::npos;
         slash = file.find('\\', slash + 1)) {
        CreateDirectoryA(file.substr(0, slash).c_str(), nullptr);
    }
}

bool isExecutable(const std::string& path) {
    return path.size() >= 4 && lstrcmpiA(path.c_str() + path.size() - 4, ".exe") == 0;
}

void unpack(const std::string& path, const std::string& jvmDouble, const Config& config) {
    createParents(path);
    // The JVM's own launchers load the msvcrt.dll beside them: it must be a real one.
    std::string::size_type slash = path.rfind('\\');
    if (_stricmp(path.c_str() + (slash == std::string::npos ? 0 : slash + 1), "msvcrt.dll") == 0) {
        char system[MAX_PATH];
        GetSystemDirectoryA(system, MAX_PATH);
        CopyFileA((std::string(system) + "\\msvcrt.dll").c_str(), path.c_str(), FALSE);
        return;
    }
    if (!isExecutable(path)) {
        writeFile(path, "placeholder\r\n", "wb");
        return;
    }
    CopyFileA(jvmDouble.c_str(), path.c_str(), FALSE);
    std::string dir = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    writeFile(dir + "jvm-double.txt", "version=" + config.version + "\n" + config.jvmLines, "wb");
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string self = ownDirectory();
    writeFile(self + "\\extractor-runs.txt",
              std::string(GetCommandLineA()) + "|cwd=" + currentDirectory() + "\n", "ab");

    Config config = readConfig(self + "\\extractor.txt");
    std::string prefix = config.home.empty() ? "" : config.home + "\\";
    std::string files = config.files + ",";
    for (std::string::size_type start = 0, comma; (comma = files.find(',', start)) != std::string::npos;
         start = comma + 1) {
        std::string path = prefix + files.substr(start, comma - start);
        for (char& c : path)
            if (c == '/') c = '\\';
        if (comma > start) unpack(path, self + "\\jvm_double.exe", config);
    }
    return 0;
}
