#include "control/control_parameters.h"

#include <cstring>

#include "control/control_text.h"

const ControlKey kControlKeys[32] = {
    {"jvmRequiredVersion", &ControlParameters::jvmRequiredVersion, 200},
    {"jvmMinVersion", &ControlParameters::jvmMinVersion, 200},
    {"jvmMaxVersion", &ControlParameters::jvmMaxVersion, 200},
    {"jvmVersion", &ControlParameters::jvmVersion, 200},
    {"jvmName", &ControlParameters::jvmName, 200},
    {"jvmCommandName", &ControlParameters::jvmCommandName, 5000},
    {"jvmSelfExtractor", &ControlParameters::jvmSelfExtractor, 4999},
    {"predefinedJvmInstallDir", &ControlParameters::predefinedJvmInstallDir, 4999},
    {"jvmHomeDir", &ControlParameters::jvmHomeDir, 5000},
    {"jvmExtraParameters", &ControlParameters::jvmExtraParameters, 4999},
    {"jvmClasspathSwitch", &ControlParameters::jvmClasspathSwitch, 999},
    {"loaderClasspath", &ControlParameters::loaderClasspath, 4999},
    {"loaderJavaCommand", &ControlParameters::loaderJavaCommand, 4999},
    {"systemSecurityPolicyFilename", &ControlParameters::systemSecurityPolicyFilename, 5000},
    {"userSecurityPolicyFilename", &ControlParameters::userSecurityPolicyFilename, 5000},
    {"keystoreFilename", &ControlParameters::keystoreFilename, 5000},
    {"appletUrl", &ControlParameters::appletUrl, 4999},
    {"startGuiCommand", &ControlParameters::startGuiCommand, 999},
    {"checkGuiRunningCommand", &ControlParameters::checkGuiRunningCommand, 999},
    {"searchForJvm", &ControlParameters::searchForJvm, 99},
    {"jvmSearchModern", &ControlParameters::jvmSearchModern, 99},
    {"jvmVersionCompare", &ControlParameters::jvmVersionCompare, 99},
    {"jvmTestTimeout", &ControlParameters::jvmTestTimeout, 99},
    {"jvmSearchKeys", &ControlParameters::jvmSearchKeys, 4999},
    {"jvmArch", &ControlParameters::jvmArch, 99},
    {"jvmChoose", &ControlParameters::jvmChoose, 99},
    {"jvmTestWithOptions", &ControlParameters::jvmTestWithOptions, 99},
    {"messageCaption", &ControlParameters::messageCaption, 200},
    {"jvmDownloadUrl", &ControlParameters::jvmDownloadUrl, 4999},
    {"jvmBundledDir", &ControlParameters::jvmBundledDir, 4999},
    {"jvmBundledFirst", &ControlParameters::jvmBundledFirst, 99},
    {"jvmInstallerArguments", &ControlParameters::jvmInstallerArguments, 4999},
};

const char* const kFirstLineKeys[4] = {"jvmThirdPartyInstaller", "configureWinRegistry", "exitCodeReport",
                                       "executionLevel"};

bool storeKeyLine(const std::string& line, ControlParameters& parameters, const ControlKey** key) {
    const ControlKey* found = nullptr;
    std::string value;
    for (const ControlKey& candidate : kControlKeys) {
        std::string candidateValue;
        if (!keyLineValue(line, candidate.name, candidateValue)) continue;
        if (found && std::strlen(found->name) >= std::strlen(candidate.name)) continue;
        found = &candidate;
        value = candidateValue;
    }
    if (!found) return false;
    if (value.size() > found->capacity) value.resize(found->capacity);
    parameters.*found->field = value;
    if (key) *key = found;
    return true;
}

namespace {

void setIfEmpty(std::string& field, const std::string& value, std::size_t capacity) {
    if (field.empty()) field = value.substr(0, capacity);
}

}  // namespace

void applyDefaults(ControlParameters& p, bool console) {
    setIfEmpty(p.loaderClasspath, ".;install.jar;swingall.jar", 4999);
    if (p.jvmRequiredVersion.empty() && p.jvmMinVersion.empty()) {
        p.jvmRequiredVersion = p.jvmVersion.empty() ? std::string("1.1.8") : p.jvmVersion;
    }
    setIfEmpty(p.jvmVersion, p.jvmRequiredVersion, 200);
    setIfEmpty(p.jvmName, "JRE", 200);
    setIfEmpty(p.jvmCommandName, "jre.exe", 5000);
    p.jvmCommandName = normalizeCommandName(p.jvmCommandName, console).substr(0, 5000);
}
