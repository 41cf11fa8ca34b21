#include "jvm/find/search_options.h"

#include "control/control_text.h"
#include "util/text.h"

JvmSearchOptions jvmSearchOptions;

namespace {

// Long enough for any real test, and its milliseconds still fit a 32-bit wait.
const unsigned long kLongestTimeout = 2000000;

const char* reasonText(JvmVerdict verdict) {
    switch (verdict) {
    case JvmVerdict::executableMissing: return "executable missing";
    case JvmVerdict::notStarted: return "executable could not be started";
    case JvmVerdict::timedOut: return "timed out";
    case JvmVerdict::noVersion: return "no version written";
    case JvmVerdict::outsideBounds: return "version outside the bounds";
    case JvmVerdict::registryOutsideBounds: return "registry version outside the bounds";
    default: return "";
    }
}

}  // namespace

JvmSearchOptions parseSearchOptions(const std::string& modern, const std::string& compare,
                                    const std::string& timeout) {
    JvmSearchOptions options;
    options.modernSearch = isFlagTrue(modern);
    std::string lower = compare;
    lowerAsciiLetters(lower);
    options.numericCompare = lower == "numeric";
    for (char c : timeout) {
        if (c < '0' || c > '9') break;
        options.testTimeoutSeconds = options.testTimeoutSeconds * 10 + static_cast<unsigned long>(c - '0');
        if (options.testTimeoutSeconds > kLongestTimeout) options.testTimeoutSeconds = kLongestTimeout;
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
    if (options.modernSearch) text += " today's registry keys and JAVA_HOME;";
    text += options.numericCompare ? " versions compared by numbers;" : " versions compared as texts;";
    if (options.testTimeoutSeconds != 0) {
        text += " version test limited to " + std::to_string(options.testTimeoutSeconds) + " seconds;";
    }
    text.pop_back();
    return text;
}

std::string candidateLine(const std::string& source, const std::string& home,
                          const std::string& version, JvmVerdict verdict, bool testedBefore) {
    std::string line = "jvm candidate: " + source + ", home " + (home.empty() ? "(none)" : home);
    if (verdict == JvmVerdict::untested) {
        line += ", version not tested (no TestJvm.class)";
    } else if (version.empty()) {
        line += ", no version";
    } else {
        line += ", version " + version;
    }
    if (testedBefore) line += " (tested before)";
    if (verdict == JvmVerdict::accepted || verdict == JvmVerdict::untested) return line + ": accepted";
    return line + ": rejected, " + reasonText(verdict);
}
