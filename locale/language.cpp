#include "locale/language.h"

#include <windows.h>

#include <clocale>
#include <cstdio>

#include "locale/language_match.h"
#include "util/file_utils.h"
#include "util/registry.h"
#include "util/run_files.h"
#include "util/unique_file.h"

namespace {

const unsigned kRegistryValueLimit = 200;
const char kInternationalKey[] = "Control Panel\\International";
const char kNlsLocaleKey[] = "System\\CurrentControlSet\\Control\\Nls\\Locale";

// locale.log is a switch: only an existing file receives lines.
void logLocaleMsg(const char* tag, const std::string& text, const std::string& result) {
    if (!fileExists(kLocaleLog)) return;
    UniqueFile log = openFile(kLocaleLog, "at");
    if (log) std::fprintf(log.get(), "%s locale: %s language: %s\n", tag, text.c_str(), result.c_str());
}

// Matches `text` (lower-casing it) and writes the matcher's line on success.
void _getLanguage(std::string& text, std::string& result) {
    const LanguageGroup* group = matchLanguageText(text);
    if (group == nullptr) return;
    result = group->name;
    logLocaleMsg(group->logTag, text, result);
}

void matchRegistryText(const char* tag, std::string text, std::string& result) {
    if (text.empty()) return;
    _getLanguage(text, result);
    logLocaleMsg(tag, text, result);
}

// The runtime library's start-up locale; the launcher never sets one.
void getLang1(std::string& result) {
    result.clear();
    const char* name = std::setlocale(LC_CTYPE, nullptr);
    std::string text = name ? name : "";
    _getLanguage(text, result);
    logLocaleMsg("getLang1", text, result);
}

void getInternationalValue(const char* tag, const char* valueName, std::string& result) {
    result.clear();
    std::string text;
    readRegistryText(HKEY_CURRENT_USER, kInternationalKey, valueName, kRegistryValueLimit, text);
    matchRegistryText(tag, text, result);
}

// The system locale: the key's default value names the value that describes it.
void getLang2(std::string& result) {
    result.clear();
    std::string localeId;
    readRegistryText(HKEY_LOCAL_MACHINE, kNlsLocaleKey, "", kRegistryValueLimit, localeId);
    std::string text;
    if (!localeId.empty()) {
        readRegistryText(HKEY_LOCAL_MACHINE, kNlsLocaleKey, localeId.c_str(), kRegistryValueLimit,
                         text);
    }
    matchRegistryText("getLang2", text, result);
}

}  // namespace

std::string getLanguage() {
    std::string result;
    getLang1(result);
    if (result.empty()) getInternationalValue("getLang3", "Locale", result);
    if (result.empty()) getInternationalValue("getLang4", "sCountry", result);
    if (result.empty()) getInternationalValue("getLang5", "Country", result);
    if (result.empty()) getLang2(result);
    if (result.empty()) result = "english";
    return result;
}
