#include "jvm/find/search_options.h"

#include "control/control_text.h"
#include "jvm/find/jvm_arch.h"
#include "util/text.h"

namespace {

// Long enough for any real test, and its milliseconds still fit a 32-bit wait.
const unsigned long kLongestTimeout = 2000000;

const char* reasonText(JvmVerdict verdict) {
    switch (verdict) {
    case JvmVerdict::executableMissing: return "executable missing";
    case JvmVerdict::wrongArchitecture: return "architecture not listed in jvmArch, not run";
    case JvmVerdict::notStarted: return "executable could not be started";
    case JvmVerdict::timedOut: return "timed out";
    case JvmVerdict::noVersion: return "no version written";
    case JvmVerdict::outsideBounds: return "version outside the bounds";
    case JvmVerdict::registryOutsideBounds: return "registry version outside the bounds";
    default: return "";
    }
}

bool equalsLower(const std::string& value, const char* word) {
    std::string lower = value;
    lowerAsciiLetters(lower);
    return lower == word;
}

unsigned long leadingNumber(const std::string& text) {
    unsigned long number = 0;
    for (char c : text) {
        if (c < '0' || c > '9') break;
        number = number * 10 + static_cast<unsigned long>(c - '0');
        if (number > kLongestTimeout) number = kLongestTimeout;
    }
    return number;
}

// "SOFTWARE\Vendor\JDK" from " HKLM\SOFTWARE\Vendor\JDK\ " and its kin.
std::string searchKey(std::string key) {
    std::string::size_type first = key.find_first_not_of(' ');
    key = first == std::string::npos ? std::string() : key.substr(first, key.find_last_not_of(' ') + 1 - first);
    for (const std::string root : {"hklm\\", "hkey_local_machine\\"}) {
        std::string head = key.substr(0, root.size());
        lowerAsciiLetters(head);
        if (head == root) key.erase(0, root.size());
    }
    while (!key.empty() && key.back() == '\\') key.pop_back();
    return key;
}

}  // namespace

JvmSearchOptions parseSearchOptions(const ControlParameters& parameters) {
    JvmSearchOptions options;
    options.modernSearch = isFlagTrue(parameters.jvmSearchModern);
    options.numericCompare = equalsLower(parameters.jvmVersionCompare, "numeric");
    options.testTimeoutSeconds = leadingNumber(parameters.jvmTestTimeout);
    // A search that reads what any vendor wrote must never hang an unattended run.
    if (options.modernSearch && parameters.jvmTestTimeout.empty()) {
        options.testTimeoutSeconds = kModernTestTimeoutSeconds;
    }
    options.chooseNewest = equalsLower(parameters.jvmChoose, "newest");
    options.allowedArchs = parseArchList(parameters.jvmArch, options.unknownArchs);
    options.testWithOptions = isFlagTrue(parameters.jvmTestWithOptions);
    if (options.testWithOptions && !parameters.jvmExtraParameters.empty()) {
        options.testOptions = splitWords(parameters.jvmExtraParameters);
    }
    for (const std::string& entry : splitSearchPath(parameters.jvmSearchKeys)) {
        std::string key = searchKey(entry);
        if (!key.empty()) options.searchKeys.push_back(key);
    }
    return options;
}

std::string cleanJvmHome(const std::string& home) {
    std::string clean = home;
    if (clean.size() >= 2 && clean.front() == '"' && clean.back() == '"') {
        clean = clean.substr(1, clean.size() - 2);
    }
    while (!clean.empty() && (clean.back() == '\\' || clean.back() == '/')) clean.pop_back();
    return clean;
}

std::string describeSearchOptions(const JvmSearchOptions& options) {
    std::string text = "JVM search:";
    if (options.modernSearch) text += " today's places;";
    for (const std::string& key : options.searchKeys) text += " key HKLM\\" + key + ";";
    text += options.numericCompare ? " versions compared by numbers;" : " versions compared as texts;";
    if (options.testTimeoutSeconds != 0) {
        text += " version test limited to " + std::to_string(options.testTimeoutSeconds) + " seconds;";
    }
    if (options.chooseNewest) text += " the newest first;";
    if (options.allowedArchs != 0) {
        text += " architectures";
        for (JvmArch arch : {JvmArch::x86, JvmArch::x64, JvmArch::arm64}) {
            if (archAllowed(options.allowedArchs, arch)) text += std::string(" ") + archName(arch);
        }
        text += ";";
    }
    if (!options.unknownArchs.empty()) text += " jvmArch names no architecture in: " + options.unknownArchs + ";";
    if (options.testWithOptions) text += " version test with the wizard's options;";
    text.pop_back();
    return text;
}

std::string candidateLine(const std::string& source, const std::string& home,
                          const std::string& version, JvmVerdict verdict, bool testedBefore,
                          const char* architecture) {
    std::string line = "jvm candidate: " + source + ", home " + (home.empty() ? "(none)" : home);
    if (verdict == JvmVerdict::untested) {
        line += ", version not tested (no TestJvm.class)";
    } else if (verdict == JvmVerdict::wrongArchitecture) {
        line += std::string(", architecture ") + (architecture ? architecture : "unknown");
    } else if (version.empty()) {
        line += ", no version";
    } else {
        line += ", version " + version;
    }
    if (testedBefore) line += " (tested before)";
    if (verdict == JvmVerdict::accepted || verdict == JvmVerdict::untested) return line + ": accepted";
    return line + ": rejected, " + reasonText(verdict);
}
