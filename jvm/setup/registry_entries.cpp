// The JavaSoft registry entries of a JVM installed here, the same layout the
// registry search reads back. Nothing already present is ever overwritten.
#include <windows.h>

#include <utility>

#include "jvm/setup/install_jvm.h"
#include "util/file_utils.h"
#include "util/registry.h"
#include "util/version.h"
#include "util/win_handles.h"
#include "util/text.h"

namespace {

// Tried in this order when a key is opened or created for writing; the
// repetition gives a busy registry a second chance.
const REGSAM kWriteRights[] = {KEY_ALL_ACCESS, KEY_READ | KEY_WRITE, KEY_READ | KEY_WRITE,
                               KEY_CREATE_SUB_KEY};

// A value too large for the read limit is certainly not empty; counting it as
// missing would overwrite it.
bool hasText(HKEY key, const char* name) {
    std::string text;
    if (readRegistryValue(key, name, kRegistryTextLimit, text)) return !text.empty();
    DWORD size = 0;
    return RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS &&
           size > kRegistryTextLimit;
}

bool openForWriting(HKEY parent, const std::string& path, UniqueRegKey& key) {
    for (REGSAM rights : kWriteRights) {
        if (RegOpenKeyExA(parent, path.c_str(), 0, rights, key.put()) == ERROR_SUCCESS) return true;
    }
    return false;
}

bool createForWriting(HKEY parent, const std::string& path, UniqueRegKey& key) {
    for (REGSAM rights : kWriteRights) {
        if (RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, rights,
                            nullptr, key.put(), nullptr) == ERROR_SUCCESS) {
            return true;
        }
    }
    return false;
}

bool keyExists(HKEY parent, const std::string& path) {
    UniqueRegKey probe;
    return RegOpenKeyExA(parent, path.c_str(), 0, KEY_QUERY_VALUE, probe.put()) == ERROR_SUCCESS;
}

// Text order, not numeric: 1.10 sorts before 1.2 and gets no library entry.
bool needsRuntimeLib(const std::string& version, const std::string& executableName) {
    return executableName.compare(0, 4, "java") == 0 && compareIgnoringCase(version, "1.2") >= 0;
}

std::string findRuntimeLib(const std::string& jvmHome) {
    for (const char* kind : {"classic", "hotspot", "client"}) {
        std::string path = jvmHome + "\\bin\\" + kind + "\\jvm.dll";
        if (fileExists(path)) return path;
    }
    return std::string();
}

}  // namespace

int InstallJvm::addJvmToRegistry(const std::string& rootKey, const std::string& homeValueName,
                                 const std::string& version, const std::string& microVersion,
                                 const std::string& jvmHome, const std::string& executableName) {
    addJvmTopLevelKey(rootKey, version);
    const std::string path = rootKey + "\\" + version;
    UniqueRegKey key;
    int result = 0;
    bool writeSubentries = false;
    for (int attempt = 0; attempt < 2 && !result; ++attempt) {
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                          key.put()) == ERROR_SUCCESS) {
            // A micro version marks a JVM registered before: its entries stay as they are.
            writeSubentries = !hasText(key.get(), "MicroVersion");
            result = 1;
        }
    }
    for (int attempt = 0; attempt < 2 && !result; ++attempt) {
        result = addToRegistry(HKEY_LOCAL_MACHINE, path, key);
        writeSubentries = result != 0;
    }
    if (!result) traceMessage(kTraceLog, "unable to add registry key", path);
    if (writeSubentries) {
        addJvmSubentries(key.get(), homeValueName, version, microVersion, jvmHome, executableName);
    }
    key.reset();
    if (!result) traceMessage(kTraceLog, "unable to addJvmToRegistry");
    return result;
}

void InstallJvm::addJvmTopLevelKey(const std::string& rootKey, const std::string& version) {
    UniqueRegKey key;
    if (!addToRegistry(HKEY_LOCAL_MACHINE, rootKey, key)) return;
    std::string mainPart, lastPart;
    parseVersion(version, mainPart, lastPart);
    // The first JVM registered under a root key stays the current one.
    if (!hasText(key.get(), "CurrentVersion") &&
        !addValueToRegistry(key.get(), "CurrentVersion", mainPart)) {
        traceMessage(kTraceLog, "unable to set current version of JVM to", mainPart);
    }
}

void InstallJvm::addJvmSubentries(RegistryKey versionKey, const std::string& homeValueName,
                                  const std::string& version, const std::string& microVersion,
                                  const std::string& jvmHome, const std::string& executableName) {
    addValueToRegistry(versionKey, homeValueName, jvmHome);
    addValueToRegistry(versionKey, "MicroVersion", microVersion);
    if (!needsRuntimeLib(version, executableName)) return;
    std::string library = findRuntimeLib(jvmHome);
    if (!library.empty()) addValueToRegistry(versionKey, "RuntimeLib", library);
}

int InstallJvm::addToRegistry(RegistryKey parent, const std::string& path, UniqueRegKey& key) {
    UniqueRegKey opened;
    bool ok = (keyExists(parent, path) && openForWriting(parent, path, opened)) ||
              createForWriting(parent, path, opened);
    if (!ok) {
        traceMessage(kTraceLog, "Unable to create registry key", path);
        return 0;
    }
    key = std::move(opened);
    return 1;
}

int InstallJvm::addValueToRegistry(RegistryKey key, const std::string& name, const std::string& text) {
    if (hasText(key, name.c_str())) {
        traceMessage(kTraceLog, name, "already exists in registry");
        return 1;
    }
    // The whole text with its terminating zero, never cut short.
    return RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                          static_cast<DWORD>(text.size() + 1)) == ERROR_SUCCESS
               ? 1
               : 0;
}
