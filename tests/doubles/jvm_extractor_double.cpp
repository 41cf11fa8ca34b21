// Test double for a JVM self-extractor or a vendor's JVM installer, carried by
// an installation under the name its control file gives. Run without arguments,
// it unpacks a fake 1.3-style JRE: jvm_double.exe (beside this executable) as its
// programs, with a jvm-double.txt beside them that makes them report the version,
// a real msvcrt.dll, and a placeholder jvm.dll. Every run is first appended to
// extractor-runs.txt beside the executable.
//
// extractor.txt beside the executable, lines key=value:
//   home=<path>      where to unpack: absolute, or relative to the working
//                    directory; empty (the default) unpacks into the working directory
//   version=<text>   the version the unpacked JVM reports (default 1.3.1)
//   register=<key>   as a vendor's installer does, registers the home as JavaHome under
//                    HKEY_LOCAL_MACHINE\SOFTWARE\JavaSoft\<key>, e.g. Java Runtime Environment\1.3
//   micro=<text>     and a MicroVersion value beside it
//   other lines      copied into the unpacked JVM's jvm-double.txt (e.g. wizard=no)
#include <windows.h>

#include <string>

#include "double_support.h"

namespace {

struct Config {
    std::string home, registerKey, micro;
    std::string version = "1.3.1";
    std::string jvmLines;  // any other key=value lines, handed on to the unpacked JVM double
};

Config readConfig(const std::string& path) {
    Config config;
    forEachConfigLine(path, [&](const std::string& key, const std::string& value, const std::string& line) {
        std::string* known = key == "home"       ? &config.home
                             : key == "version"  ? &config.version
                             : key == "register" ? &config.registerKey
                             : key == "micro"    ? &config.micro
                                                 : nullptr;
        if (known) *known = value;
        else config.jvmLines += line + "\n";
    });
    return config;
}

void unpack(const std::string& home, const std::string& jvmDouble, const Config& config) {
    createParents(home + "bin\\hotspot\\jvm.dll");
    writeFile(home + "bin\\hotspot\\jvm.dll", "placeholder\r\n", "wb");
    // The JVM's own launchers load the msvcrt.dll beside them: it must be a real one.
    char system[MAX_PATH];
    GetSystemDirectoryA(system, MAX_PATH);
    CopyFileA((std::string(system) + "\\msvcrt.dll").c_str(), (home + "bin\\msvcrt.dll").c_str(), FALSE);
    for (const char* program : {"javaw.exe", "java.exe"})
        CopyFileA(jvmDouble.c_str(), (home + "bin\\" + program).c_str(), FALSE);
    writeFile(home + "bin\\jvm-double.txt", "version=" + config.version + "\n" + config.jvmLines, "wb");
}

void setValue(HKEY key, const char* name, const std::string& value) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

void registerJvm(const Config& config) {
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, ("SOFTWARE\\JavaSoft\\" + config.registerKey).c_str(), 0, nullptr,
                        REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    setValue(key, "JavaHome", config.home);
    if (!config.micro.empty()) setValue(key, "MicroVersion", config.micro);
    RegCloseKey(key);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string self = ownDirectory();
    std::string run = std::string(GetCommandLineA()) + "|cwd=" + currentDirectory() + "\n";
    writeFile(self + "\\extractor-runs.txt", run, "ab");

    Config config = readConfig(self + "\\extractor.txt");
    unpack(config.home.empty() ? "" : config.home + "\\", self + "\\jvm_double.exe", config);
    if (!config.registerKey.empty()) registerJvm(config);
    return 0;
}
