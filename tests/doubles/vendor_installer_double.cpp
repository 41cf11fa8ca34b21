// Test double for a JVM vendor's installer, run without arguments from the
// installation directory. It installs a fake JVM (jvm_double.exe, beside this
// executable, as home\bin\javaw.exe and home\bin\java.exe, with a jvm-double.txt
// that makes them report the version) and registers it the way the vendor does,
// under HKEY_LOCAL_MACHINE\SOFTWARE\JavaSoft\<product>\<subkey>. Every run is
// first appended to vendor-runs.txt beside the executable.
//
// vendor.txt beside the executable, lines key=value:
//   home=<absolute path>  where to install (default C:\VendorJava)
//   version=<text>        the version the installed JVM reports (default 1.3.1)
//   product=<name>        JavaSoft product key (default Java Runtime Environment)
//   subkey=<version>      version key below it (default 1.3)
//   micro=<text>          MicroVersion value (default 1); empty writes none
#include <windows.h>

#include "double_support.h"

#include <cstdio>
#include <string>

namespace {

struct Config {
    std::string home = "C:\\VendorJava";
    std::string version = "1.3.1";
    std::string product = "Java Runtime Environment";
    std::string subkey = "1.3";
    std::string micro = "1";
};

Config readConfig(const std::string& path) {
    Config config;
    forEachConfigLine(path, [&](const std::string& key, const std::string& value, const std::string&) {
        if (key == "home")
            config.home = value;
        else if (key == "version")
            config.version = value;
        else if (key == "product")
            config.product = value;
        else if (key == "subkey")
            config.subkey = value;
        else if (key == "micro")
            config.micro = value;
    });
    return config;
}

// Creates the directory and every one on the way to it; existing ones are fine.
void createDirectories(const std::string& dir) {
    for (std::string::size_type slash = dir.find('\\', 1); slash != std::string::npos;
         slash = dir.find('\\', slash + 1)) {
        CreateDirectoryA(dir.substr(0, slash).c_str(), nullptr);
    }
    CreateDirectoryA(dir.c_str(), nullptr);
}

void setString(HKEY key, const char* name, const std::string& value) {
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
}

void registerJvm(const Config& config) {
    std::string path = "SOFTWARE\\JavaSoft\\" + config.product + "\\" + config.subkey;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_WRITE, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    setString(key, "JavaHome", config.home);
    if (!config.micro.empty()) setString(key, "MicroVersion", config.micro);
    RegCloseKey(key);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    std::string self = ownDirectory();
    writeFile(self + "\\vendor-runs.txt",
              std::string(GetCommandLineA()) + "|cwd=" + currentDirectory() + "\n", "ab");

    Config config = readConfig(self + "\\vendor.txt");
    std::string bin = config.home + "\\bin";
    createDirectories(bin);
    std::string jvmDouble = self + "\\jvm_double.exe";
    CopyFileA(jvmDouble.c_str(), (bin + "\\javaw.exe").c_str(), FALSE);
    CopyFileA(jvmDouble.c_str(), (bin + "\\java.exe").c_str(), FALSE);
    writeFile(bin + "\\jvm-double.txt", "version=" + config.version + "\n", "wb");
    registerJvm(config);
    return 0;
}
