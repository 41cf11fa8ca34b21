#include "util/version.h"

#include <algorithm>

void parseVersion(const std::string& version, std::string& mainPart, std::string& lastPart) {
    mainPart = version;
    lastPart = "0";
    if (std::count(version.begin(), version.end(), '.') < 2) return;
    std::string::size_type dot = version.rfind('.');
    mainPart = version.substr(0, dot);
    lastPart = version.substr(dot + 1);
}

std::string getJavaHomeDirectory(const std::string& executablePath) {
    std::string::size_type slash = executablePath.rfind('\\');
    if (slash == std::string::npos) return executablePath;
    std::string home = executablePath.substr(0, slash);
    // The last "bin" counts wherever it stands, even inside a longer name
    // (C:\binaries\jre\java.exe gives C:): the home the wizard is told in
    // native.properties is documented to follow this rule.
    std::string::size_type bin = home.rfind("bin");
    if (bin == std::string::npos) return home;
    home.erase(bin);
    if (!home.empty() && home.back() == '\\') home.pop_back();
    return home;
}
