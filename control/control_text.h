#pragma once
#include <cstddef>
#include <string>

// The text rules of the control file kiv.control, as plain functions.

// The line's value when it defines `key`: the line begins with the key's name,
// the one character after it is a separator and the rest is the value. A line
// that is exactly the name has an empty value. Prefix matching is deliberate:
// "jvmNameX=y" gives "jvmName" the value "=y".
bool keyLineValue(const std::string& line, const char* key, std::string& value);

// "true" or "yes", in any letter case.
bool isFlagTrue(const std::string& value);

// A jvmName of "Java Plug-in", in any letter case: the installation runs an
// applet in the browser, and only the plug-in's registry entries are searched.
bool isPluginMode(const std::string& jvmName);

// The control file with every carriage return dropped and every line feed
// written as carriage return and line feed: lone carriage returns join lines.
std::string convertLineEndingsText(const std::string& content);

// 0 for the characters a Windows file name cannot hold (\ / : * ? " < > |), else 1.
int isfilenameChar(char c);

// A backslash is removed where the next character cannot be part of a file
// name: runs of backslashes before such a character vanish, other runs shrink
// to one. `trace(label, value)` sees each step, as the log shows it.
template <typename TraceStep>
void removeExtraBackSlashes(std::string& value, TraceStep trace) {
    trace("initial jvm switches for installer", value);
    char next = '\0';
    for (std::size_t i = value.size(); i-- > 0;) {
        if (value[i] == '\\' && !isfilenameChar(next)) {
            trace("  before extra back slash removed", value);
            value.erase(i, 1);
            trace("  after extra back slash removed", value);
        }
        next = i < value.size() ? value[i] : '\0';
    }
    trace("final jvm switches for installer", value);
}

// predefinedJvmInstallDir: slashes become backslashes, and a backslash before a
// colon or another backslash is dropped, so "\:" is ":" and "\\" is "\".
std::string repairInstallDir(const std::string& value);

// The JVM program's final name, always lower case: a name without ".exe",
// ".bat" or ".com" is cut at its first dot and gets ".exe"; unless the console
// program is wanted, jre.exe becomes jrew.exe and java.exe javaw.exe.
std::string normalizeCommandName(const std::string& name, bool console);
