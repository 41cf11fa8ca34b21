#include "jvm/find/modern_search.h"

#include <windows.h>

#include <cstdlib>

#include "jvm/find/jvm_home.h"
#include "util/registry.h"
#include "util/win_handles.h"

namespace {

const unsigned kValueLimit = 5000;
const DWORD kNameLimit = 256;  // the registry's longest key name, and its terminator

// Where one kind of entry lies: a key below HKLM or HKCU whose "*" parts are
// enumerated, and the value that names the JVM's home.
struct Layout {
    const char* path;
    const char* homeValue;
    // The first "*" is a Java version, completed by MicroVersion, that must fit
    // the bounds as in the 1.x keys. The vendors' keys carry their own
    // numbering (Adoptium's 8.0.392.8 is Java 1.8.0_392): only the test decides.
    bool versionKey;
};

// The keys and values as the vendors' installers write them; the guide
// ("Finding today's JVMs") names the sources.
const Layout kLayouts[] = {
    // Oracle's Java 9 and later, and Corretto 11 and later, in the layout of the 1.x keys.
    {"SOFTWARE\\JavaSoft\\JDK\\*", "JavaHome", true},
    {"SOFTWARE\\JavaSoft\\JRE\\*", "JavaHome", true},
    // The 1.x keys once more: here also in the other view and under HKCU.
    {"SOFTWARE\\JavaSoft\\Java Runtime Environment\\*", "JavaHome", true},
    {"SOFTWARE\\JavaSoft\\Java Development Kit\\*", "JavaHome", true},
    // MSIs built from Eclipse Adoptium's installer sources: <vendor>\JDK|JRE\<version>\<JVM>\MSI.
    {"SOFTWARE\\Eclipse Adoptium\\JDK\\*\\*\\MSI", "Path", false},
    {"SOFTWARE\\Eclipse Adoptium\\JRE\\*\\*\\MSI", "Path", false},
    {"SOFTWARE\\Eclipse Foundation\\JDK\\*\\*\\MSI", "Path", false},
    {"SOFTWARE\\Eclipse Foundation\\JRE\\*\\*\\MSI", "Path", false},
    {"SOFTWARE\\Eclipse Foundation\\JDK\\*\\MSI", "Path", false},  // before the JVM's level
    {"SOFTWARE\\Eclipse Foundation\\JRE\\*\\MSI", "Path", false},
    {"SOFTWARE\\AdoptOpenJDK\\JDK\\*\\*\\MSI", "Path", false},
    {"SOFTWARE\\AdoptOpenJDK\\JRE\\*\\*\\MSI", "Path", false},
    {"SOFTWARE\\AdoptOpenJDK\\JDK\\*\\MSI", "Path", false},  // before the JVM's level
    {"SOFTWARE\\AdoptOpenJDK\\JRE\\*\\MSI", "Path", false},
    {"SOFTWARE\\Microsoft\\JDK\\*\\*\\MSI", "Path", false},
    {"SOFTWARE\\Azul Systems\\Zulu\\*", "InstallationPath", false},
    {"SOFTWARE\\BellSoft\\Liberica\\*", "InstallationPath", false},
};

bool systemHasBothViews() {
#ifdef _WIN64
    return true;
#else
    // Absent before XP SP2 and on 9x: a system without it has one view.
    using IsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64 = reinterpret_cast<IsWow64Process>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "IsWow64Process")));
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
#endif
}

bool tokenElevated() {
    // 9x has stubs or nothing here, and NT before Vista no elevation: nothing is skipped there.
    using OpenProcessToken = BOOL(WINAPI*)(HANDLE, DWORD, PHANDLE);
    using GetTokenInformation = BOOL(WINAPI*)(HANDLE, TOKEN_INFORMATION_CLASS, LPVOID, DWORD, PDWORD);
    HMODULE advapi = GetModuleHandleA("advapi32.dll");
    auto openToken = reinterpret_cast<OpenProcessToken>(
        reinterpret_cast<void*>(GetProcAddress(advapi, "OpenProcessToken")));
    auto tokenInformation = reinterpret_cast<GetTokenInformation>(
        reinterpret_cast<void*>(GetProcAddress(advapi, "GetTokenInformation")));
    HANDLE raw = nullptr;
    if (!openToken || !tokenInformation || !openToken(GetCurrentProcess(), TOKEN_QUERY, &raw)) return false;
    UniqueKernelHandle token(raw);
    TOKEN_ELEVATION elevation = {};
    DWORD size = 0;
    return tokenInformation(token.get(), TokenElevation, &elevation, sizeof elevation, &size) &&
           elevation.TokenIsElevated != 0;
}

std::string viewName(REGSAM view) {
    if (view == KEY_WOW64_64KEY) return " (64-bit view)";
    if (view == KEY_WOW64_32KEY) return " (32-bit view)";
    return "";
}

// One search: the bounds, the caller's buffers and what has been tested.
class Walker {
public:
    Walker(Trace& trace, WindowHandle window, const std::string& required, const std::string& minimum,
           const std::string& maximum, std::string& commandName, std::string& jvmPath, TestedJvms& tested)
        : trace_(trace), window_(window), required_(required), minimum_(minimum), maximum_(maximum),
          commandName_(commandName), jvmPath_(jvmPath), tested_(tested) {}

    // `views` holds one view flag, or two, ending in 0 or at the end.
    int searchRoot(HKEY root, const char* rootName, const REGSAM (&views)[2]) {
        for (const Layout& layout : kLayouts) {
            for (int i = 0; i < 2 && (i == 0 || views[i] != 0); ++i) {
                if (searchLayout(root, rootName, views[i], layout)) return 1;
            }
        }
        return 0;
    }

    int tryJavaHome() {
        std::string value;
        if (!environmentJvmHome("JAVA_HOME", value, trace_) || value.empty()) {
            trace_.traceMessage(kTraceLog, "JAVA_HOME is not set");
            return 0;
        }
        return check("JAVA_HOME", cleanJvmHome(value), nullptr);
    }

private:
    int searchLayout(HKEY root, const char* rootName, REGSAM view, const Layout& layout) {
        std::string pattern = layout.path;
        std::string::size_type star = pattern.find("\\*");
        std::string base = pattern.substr(0, star);
        UniqueRegKey key;
        if (RegOpenKeyExA(root, base.c_str(), 0, KEY_READ | view, key.put()) != ERROR_SUCCESS) return 0;
        std::string source = std::string(rootName) + "\\" + base;
        trace_.traceMessage(kTraceLog, "searching registry entry", source + viewName(view));
        return walk(key.get(), view, pattern.substr(star + 1), source, "", layout);
    }

    // `rest` is what is left of the layout's path below `key`: "*" parts are
    // enumerated, other parts opened; at its end the entry is tried.
    int walk(HKEY key, REGSAM view, const std::string& rest, const std::string& source,
             const std::string& version, const Layout& layout) {
        if (rest.empty()) return tryEntry(key, source + viewName(view), version, layout);
        std::string::size_type slash = rest.find('\\');
        std::string part = rest.substr(0, slash);
        std::string after = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
        if (part != "*") {
            UniqueRegKey sub;
            if (RegOpenKeyExA(key, part.c_str(), 0, KEY_READ | view, sub.put()) != ERROR_SUCCESS) return 0;
            return walk(sub.get(), view, after, source + "\\" + part, version, layout);
        }
        char name[kNameLimit];
        for (DWORD index = 0;; ++index) {
            DWORD length = kNameLimit;
            LONG status = RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr);
            if (status != ERROR_SUCCESS) return 0;  // the end of the list, or an error that also ends it
            UniqueRegKey sub;
            if (RegOpenKeyExA(key, name, 0, KEY_READ | view, sub.put()) != ERROR_SUCCESS) continue;
            if (walk(sub.get(), view, after, source + "\\" + name, version.empty() ? name : version,
                     layout)) {
                return 1;
            }
        }
    }

    int tryEntry(HKEY key, const std::string& source, std::string version, const Layout& layout) {
        if (!layout.versionKey) return check(source, cleanJvmHome(readJvmHome(key, {layout.homeValue}, trace_)), nullptr);
        std::string home = readJvmHome(key, {layout.homeValue, "Home"}, trace_);
        std::string micro;
        readRegistryValue(key, "MicroVersion", kValueLimit, micro);
        if (!micro.empty()) version += "." + micro;
        return check(source, cleanJvmHome(home), &version);
    }

    int check(const std::string& source, const std::string& home, const std::string* versionText) {
        if (home.empty()) {
            trace_.traceMessage(kTraceLog, "no home directory for jvm", source);
            return 0;
        }
        JvmOk check;
        check.setHwnd(window_);
        check.setTestedJvms(&tested_);
        int result = versionText ? check.jvmCorrectVersion(required_, minimum_, maximum_, *versionText, home,
                                                           commandName_, jvmPath_)
                                 : check.jvmCorrectVersion(required_, minimum_, maximum_, home, commandName_,
                                                           jvmPath_);
        check.traceCandidate(source, home);
        return result;
    }

    Trace& trace_;
    WindowHandle window_;
    const std::string& required_;
    const std::string& minimum_;
    const std::string& maximum_;
    std::string& commandName_;
    std::string& jvmPath_;
    TestedJvms& tested_;
};

}  // namespace

ModernJvmSearch::ModernJvmSearch() : queries_{systemHasBothViews, tokenElevated} {}

int ModernJvmSearch::search(const std::string& required, const std::string& minimum,
                            const std::string& maximum, std::string& jvmCommandName, std::string& jvmPath,
                            TestedJvms& tested) {
    const std::string entryName = jvmCommandName;
    // Without both views no flag at all: 9x refuses a key opened with access bits it does not know.
    const bool both = queries_.bothViews();
    const REGSAM views[2] = {both ? REGSAM(KEY_WOW64_64KEY) : 0, both ? REGSAM(KEY_WOW64_32KEY) : 0};
    traceMessage(kTraceLog, both ? "registry views searched: 64-bit and 32-bit"
                                 : "registry views searched: the only one");
    Walker walker(*this, window_, required, minimum, maximum, jvmCommandName, jvmPath, tested);
    int result = walker.searchRoot(HKEY_LOCAL_MACHINE, "HKLM", views);
    if (!result && queries_.elevated()) {
        traceMessage(kTraceLog, "HKEY_CURRENT_USER and JAVA_HOME not searched: the launcher runs elevated, "
                                "and any program of the user can write them");
    } else if (!result) {
        result = walker.searchRoot(HKEY_CURRENT_USER, "HKCU", views);
        if (!result) result = walker.tryJavaHome();
    }
    traceMessage(kTraceLog, "Modern registry entries and JAVA_HOME had correct jvm info", result);
    if (!result) jvmCommandName = entryName;
    return result;
}
