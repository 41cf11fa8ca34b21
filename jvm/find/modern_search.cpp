#include "jvm/find/modern_search.h"

#include <windows.h>

#include "jvm/find/jvm_home.h"
#include "jvm/find/search_options.h"
#include "jvm/find/search_text.h"
#include "util/ansi_path.h"
#include "util/file_utils.h"
#include "util/registry.h"
#include "util/system_function.h"
#include "util/text.h"
#include "util/token.h"
#include "util/win_handles.h"
#include "util/windows_directory.h"

namespace {

const DWORD kNameLimit = 256;  // the registry's longest key name, and its terminator
const unsigned kPathLimit = 32767;
const char kMachineEnvironment[] = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";

// Where one kind of entry lies below a root: a key whose "*" parts are
// enumerated ("zulu-*" only the names that begin so), and the values that
// name the JVM's home, tried in order.
struct Place {
    std::string pattern;
    std::vector<const char*> homes;
    // The 1.x rule: the first "*" is a Java version, completed by MicroVersion,
    // that must fit the bounds. The vendors' keys carry their own numbering
    // (Adoptium's 8.0.392.8 is Java 1.8.0_392): there only the test decides.
    bool versionKey;
};

// The vendors' keys, in the search order, as their installers write them; the
// guide ("Finding today's JVMs") names the sources. Constant data: no guarded
// initialisation, which would bring the thread library's locks along.
struct Layout {
    const char* pattern;
    const char* homes[2];
    bool versionKey;
};

const Layout kVendorLayouts[] = {
    // Oracle's Java 9 and later, and Corretto 11 and later, in the layout of the 1.x keys.
    {"SOFTWARE\\JavaSoft\\JDK\\*", {"JavaHome", "Home"}, true},
    {"SOFTWARE\\JavaSoft\\JRE\\*", {"JavaHome", "Home"}, true},
    // The 1.x keys once more: here also in the other view and under HKCU.
    {"SOFTWARE\\JavaSoft\\Java Runtime Environment\\*", {"JavaHome", "Home"}, true},
    {"SOFTWARE\\JavaSoft\\Java Development Kit\\*", {"JavaHome", "Home"}, true},
    // MSIs built from Eclipse Adoptium's installer sources: <vendor>\JDK|JRE\<version>\<JVM>\MSI.
    {"SOFTWARE\\Eclipse Adoptium\\JDK\\*\\*\\MSI", {"Path"}, false},
    {"SOFTWARE\\Eclipse Adoptium\\JRE\\*\\*\\MSI", {"Path"}, false},
    {"SOFTWARE\\Eclipse Foundation\\JDK\\*\\*\\MSI", {"Path"}, false},
    {"SOFTWARE\\Eclipse Foundation\\JRE\\*\\*\\MSI", {"Path"}, false},
    {"SOFTWARE\\Eclipse Foundation\\JDK\\*\\MSI", {"Path"}, false},  // before the JVM's level
    {"SOFTWARE\\Eclipse Foundation\\JRE\\*\\MSI", {"Path"}, false},
    {"SOFTWARE\\AdoptOpenJDK\\JDK\\*\\*\\MSI", {"Path"}, false},
    {"SOFTWARE\\AdoptOpenJDK\\JRE\\*\\*\\MSI", {"Path"}, false},
    {"SOFTWARE\\AdoptOpenJDK\\JDK\\*\\MSI", {"Path"}, false},  // before the JVM's level
    {"SOFTWARE\\AdoptOpenJDK\\JRE\\*\\MSI", {"Path"}, false},
    {"SOFTWARE\\Microsoft\\JDK\\*\\*\\MSI", {"Path"}, false},
    {"SOFTWARE\\Azul Systems\\Zulu\\*", {"InstallationPath"}, false},
    {"SOFTWARE\\BellSoft\\Liberica\\*", {"InstallationPath"}, false},
    // IBM's runtimes and kits of the 1.x era, laid out like the JavaSoft keys.
    {"SOFTWARE\\IBM\\Java2 Runtime Environment\\*", {"JavaHome"}, true},
    {"SOFTWARE\\IBM\\Java Runtime Environment\\*", {"JavaHome"}, true},
    {"SOFTWARE\\IBM\\Java Development Kit\\*", {"JavaHome"}, true},
    {"SOFTWARE\\Semeru\\JDK\\*\\openj9\\MSI", {"Path"}, false},
    {"SOFTWARE\\Semeru\\JRE\\*\\openj9\\MSI", {"Path"}, false},
    {"SOFTWARE\\SapMachine\\JDK\\*", {"JavaHome"}, false},
    {"SOFTWARE\\SapMachine\\JRE\\*", {"JavaHome"}, false},
    {"SOFTWARE\\Azul Systems\\Zulu 32-bit\\zulu-*", {"InstallationPath"}, false},
};

Place vendorPlace(const Layout& layout) {
    Place place{layout.pattern, {}, layout.versionKey};
    for (const char* home : layout.homes) {
        if (home != nullptr) place.homes.push_back(home);
    }
    return place;
}

// A key jvmSearchKeys names: a subkey per version, the home by any of the usual values.
Place searchKeyPlace(const std::string& key) {
    return {key + "\\*", {"JavaHome", "Path", "InstallationPath", "InstallLocation"}, false};
}

bool systemHasBothViews() {
#ifdef _WIN64
    return true;
#else
    // Absent before XP SP2 and on 9x: a system without it has one view.
    using IsWow64Process = BOOL(WINAPI*)(HANDLE, PBOOL);
    auto isWow64 = systemFunction<IsWow64Process>("kernel32.dll", "IsWow64Process");
    BOOL wow64 = FALSE;
    return isWow64 && isWow64(GetCurrentProcess(), &wow64) && wow64;
#endif
}

std::string viewName(REGSAM view) {
    if (view == KEY_WOW64_64KEY) return " (64-bit view)";
    if (view == KEY_WOW64_32KEY) return " (32-bit view)";
    return "";
}

// Folders of PATH that hold a JVM's program but are no JVM's: the Windows and
// system directories (the launcher's own JVM installation copies javaw.exe
// into the first) and Oracle's shims, which run whatever JVM the registry names.
struct NotAJvm {
    std::string folder;
    const char* why;
    bool beginning;  // also what begins so: javapath_target_7 for javapath
};

std::vector<NotAJvm> foldersThatAreNoJvm() {
    std::vector<NotAJvm> folders;
    char system[MAX_PATH];
    UINT length = GetSystemDirectoryA(system, MAX_PATH);
    if (length > 0 && length < MAX_PATH) {
        std::string systemDir(system, length);
        folders.push_back({systemDir, "a system directory", false});
        std::string::size_type slash = systemDir.rfind('\\');
        if (slash != std::string::npos) {
            std::string windows = systemDir.substr(0, slash);
            folders.push_back({windows, "the Windows directory", false});
            for (const char* name : {"system", "system32", "SysWOW64", "Sysnative"}) {
                folders.push_back({windows + "\\" + name, "a system directory", false});
            }
        }
    }
    for (const char* root : {"ProgramData", "CommonProgramFiles", "CommonProgramFiles(x86)", "CommonProgramW6432"}) {
        std::string value, unnamed;
        if (environmentPath(root, value, unnamed) && !value.empty()) {
            folders.push_back({cleanJvmHome(value) + "\\Oracle\\Java\\javapath", "an Oracle shim folder", true});
        }
    }
    return folders;
}

// What a search does with each candidate it meets: true ends the search. One
// type for every caller, so that the walk below exists once in the program.
class CandidateVisit {
public:
    template <typename Visit>
    CandidateVisit(Visit& visit)  // NOLINT(google-explicit-constructor): stands in for the caller's lambda
        : visit_(&visit), call_([](void* visit, const JvmCandidate& candidate) {
              return (*static_cast<Visit*>(visit))(candidate);
          }) {}
    bool operator()(const JvmCandidate& candidate) const { return call_(visit_, candidate); }

private:
    void* visit_;
    bool (*call_)(void*, const JvmCandidate&);
};

// One search's sources in their order. `each` offers every candidate to
// `visit` until it answers true, without testing any itself.
class Sources {
public:
    Sources(Trace& trace, const std::string& commandName)
        : trace_(trace), elevated_(tokenElevated()), commandName_(commandName) {
        // Without both views no flag at all: 9x refuses a key opened with access bits it does not know.
        if (systemHasBothViews()) {
            views_ = {KEY_WOW64_64KEY, KEY_WOW64_32KEY};
        } else {
            views_ = {0};
        }
        trace_.traceMessage(kTraceLog, views_.size() == 2 ? "registry views searched: 64-bit and 32-bit"
                                                          : "registry views searched: the only one");
    }

    bool each(CandidateVisit visit) {
        for (const Layout& layout : kVendorLayouts) {
            if (inEachView(HKEY_LOCAL_MACHINE, "HKLM", vendorPlace(layout), visit)) return true;
        }
        for (const std::string& key : jvmSearchOptions.searchKeys) {
            if (inEachView(HKEY_LOCAL_MACHINE, "HKLM", searchKeyPlace(key), visit)) return true;
        }
        if (elevated_) {
            trace_.traceMessage(kTraceLog, "HKEY_CURRENT_USER, JAVA_HOME, JDK_HOME and JRE_HOME not searched: "
                                           "the launcher runs elevated, and any program of the user can write them");
        } else {
            for (const Layout& layout : kVendorLayouts) {
                if (inEachView(HKEY_CURRENT_USER, "HKCU", vendorPlace(layout), visit)) return true;
            }
            for (const char* variable : {"JAVA_HOME", "JDK_HOME", "JRE_HOME"}) {
                if (fromVariable(variable, visit)) return true;
            }
        }
        return fromSearchPath(visit);
    }

private:
    bool inEachView(HKEY root, const char* rootName, const Place& place, const CandidateVisit& visit) {
        std::string::size_type star = place.pattern.find('*');
        std::string::size_type slash = place.pattern.rfind('\\', star);
        std::string base = place.pattern.substr(0, slash);
        for (REGSAM view : views_) {
            UniqueRegKey key;
            if (RegOpenKeyExA(root, base.c_str(), 0, KEY_READ | view, key.put()) != ERROR_SUCCESS) continue;
            std::string source = std::string(rootName) + "\\" + base;
            trace_.traceMessage(kTraceLog, "searching registry entry", source + viewName(view));
            if (walk(key.get(), view, place.pattern.substr(slash + 1), source, std::string(), place, visit)) {
                return true;
            }
        }
        return false;
    }

    // `rest` is what is left of the place's pattern below `key`: "*" parts are
    // enumerated, other parts opened; at its end the entry is offered.
    bool walk(HKEY key, REGSAM view, const std::string& rest, const std::string& source,
              const std::string& keyName, const Place& place, const CandidateVisit& visit) {
        if (rest.empty()) return visit(entry(key, source + viewName(view), keyName, place));
        std::string::size_type slash = rest.find('\\');
        std::string part = rest.substr(0, slash);
        std::string after = slash == std::string::npos ? std::string() : rest.substr(slash + 1);
        if (part.empty() || part.back() != '*') {
            UniqueRegKey sub;
            if (RegOpenKeyExA(key, part.c_str(), 0, KEY_READ | view, sub.put()) != ERROR_SUCCESS) return false;
            return walk(sub.get(), view, after, source + "\\" + part, keyName, place, visit);
        }
        const std::string prefix = part.substr(0, part.size() - 1);
        char name[kNameLimit];
        for (DWORD index = 0;; ++index) {
            DWORD length = kNameLimit;
            if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
                return false;  // the end of the list, or an error that also ends it
            }
            if (!prefix.empty() && !startsWithFolder(name, prefix)) continue;
            UniqueRegKey sub;
            if (RegOpenKeyExA(key, name, 0, KEY_READ | view, sub.put()) != ERROR_SUCCESS) continue;
            if (walk(sub.get(), view, after, source + "\\" + name, keyName.empty() ? name : keyName, place, visit)) {
                return true;
            }
        }
    }

    JvmCandidate entry(HKEY key, const std::string& source, const std::string& keyName, const Place& place) {
        JvmCandidate candidate;
        candidate.source = source;
        if (place.versionKey) {
            VersionEntry version = readVersionEntry(key, keyName, place.homes, trace_);
            candidate.home = cleanJvmHome(version.home);
            candidate.hasRegistryVersion = true;
            candidate.registryVersion = version.version;
            candidate.keyVersion = version.version;
        } else {
            candidate.home = cleanJvmHome(readJvmHome(key, place.homes, trace_));
            candidate.keyVersion = keyNameVersion(keyName);
        }
        return candidate;
    }

    bool fromVariable(const char* variable, const CandidateVisit& visit) {
        std::string value;
        if (!environmentJvmHome(variable, value, trace_) || value.empty()) {
            trace_.traceMessage(kTraceLog, std::string(variable) + " is not set");
            return false;
        }
        JvmCandidate candidate;
        candidate.source = variable;
        candidate.home = cleanJvmHome(value);
        return visit(candidate);
    }

    // Every folder of PATH that ends in \bin and holds the JVM's program names
    // its parent as a home.
    bool fromSearchPath(const CandidateVisit& visit) {
        std::vector<std::string> unnamed;
        std::vector<std::string> folders = elevated_ ? machineSearchPath(unnamed) : processSearchPath(unnamed);
        for (const std::string& folder : unnamed) {
            trace_.traceMessage(kTraceLog, "PATH entry skipped: the ANSI code page cannot hold it and it has no short name:",
                                folder);
        }
        const std::vector<NotAJvm> notJvms = foldersThatAreNoJvm();
        std::string alternative = javaNameInsteadOf(commandName_);
        for (const std::string& folder : folders) {
            // Judged before the folder is looked into: a share may hang, or be handed the user's credentials.
            const char* why = untrusted(folder);
            if (why == nullptr && !fileExists(folder + "\\" + commandName_) &&
                (alternative.empty() || !fileExists(folder + "\\" + alternative))) {
                continue;
            }
            for (const NotAJvm& notJvm : notJvms) {
                bool same = notJvm.beginning ? startsWithFolder(folder, notJvm.folder)
                                             : startsWithFolder(folder, notJvm.folder) &&
                                                   folder.size() == notJvm.folder.size();
                if (why == nullptr && same) why = notJvm.why;
            }
            std::string home = binFolderHome(folder);
            if (why == nullptr && home.empty()) why = "not a JVM's bin folder";
            if (why != nullptr) {
                trace_.traceMessage(kTraceLog, std::string("PATH entry not used, ") + why + ":", folder);
                continue;
            }
            JvmCandidate candidate;
            candidate.source = "PATH " + folder;
            candidate.home = home;
            if (visit(candidate)) return true;
        }
        return false;
    }

    // Why a folder of PATH is not even looked into, or null. A relative one would
    // resolve against the installation. An elevated launcher takes only folders
    // inside Program Files, which a user cannot write; any user may make a folder
    // directly under C:\, and an old machine-wide entry may name one.
    const char* untrusted(const std::string& folder) const {
        if (!isAbsolutePath(folder)) return "not an absolute path";
        if (!elevated_) return nullptr;
        if (isNetworkPath(folder)) return "a network share";
        for (const std::string& programFiles : programFiles_) {
            if (isInsideFolder(folder, programFiles)) return nullptr;
        }
        return "outside the Program Files directories";
    }

    std::vector<std::string> processSearchPath(std::vector<std::string>& unnamed) {
        std::wstring wide;
        if (wideEnvironmentVariable("PATH", wide)) return ansiPathEntries(wide, unnamed);
        // 9x: the ANSI search path is the search path.
        std::vector<std::string> folders;
        const char* path = getPathPtr();
        if (path == nullptr) return folders;
        for (const std::string& entry : splitSearchPath(path)) {
            std::string folder = cleanJvmHome(entry);
            if (!folder.empty()) folders.push_back(folder);
        }
        return folders;
    }

    // The machine-wide Path as Windows keeps it, with its %variables% expanded.
    std::vector<std::string> machineSearchPath(std::vector<std::string>& unnamed) {
        trace_.traceMessage(kTraceLog, "PATH searched: the machine-wide Path only, as the launcher runs elevated "
                                       "and the process's PATH holds the user's part");
        std::string trusted;
        for (REGSAM view : views_) {
            std::string folder;
            if (!findProgramFilesDirectory(view, folder)) continue;
            folder = cleanJvmHome(folder);
            if (!isAbsolutePath(folder) || isNetworkPath(folder)) continue;
            programFiles_.push_back(folder);
            trusted += (trusted.empty() ? "" : "; ") + folder;
        }
        trace_.traceMessage(kTraceLog, "PATH folders taken only inside the Program Files directories:", trusted);
        UniqueRegKey key;
        std::wstring value;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kMachineEnvironment, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS ||
            !readRegistryWideText(key.get(), "Path", kPathLimit, value)) {
            trace_.traceMessage(kTraceLog, "the machine-wide Path could not be read");
            return std::vector<std::string>();
        }
        return ansiPathEntries(expandWide(value), unnamed);
    }

    Trace& trace_;
    const bool elevated_;
    const std::string commandName_;
    std::vector<REGSAM> views_;
    std::vector<std::string> programFiles_;  // elevated: the folders whose PATH entries count
};

}  // namespace

int ModernJvmSearch::search(const JvmBounds& bounds, std::string& jvmCommandName, std::string& jvmPath,
                            TestedJvms& tested) {
    const std::string entryName = jvmCommandName;
    Sources sources(*this, entryName);
    auto test = [&](const JvmCandidate& candidate) {
        jvmCommandName = entryName;
        return testCandidate(candidate, bounds, window_, tested, jvmCommandName, jvmPath) != 0;
    };
    int result = sources.each(test) ? 1 : 0;
    traceMessage(kTraceLog, "Modern registry entries, environment and PATH had correct jvm info", result);
    if (!result) jvmCommandName = entryName;
    return result;
}

void ModernJvmSearch::gather(const std::string& jvmCommandName, std::vector<JvmCandidate>& candidates) {
    Sources sources(*this, jvmCommandName);
    auto keep = [&](const JvmCandidate& candidate) {
        candidates.push_back(candidate);
        return false;
    };
    sources.each(keep);
}
