#pragma once
// Text rules of the security files: backup names, the renaming notice, the
// identity database line of java.security and the profile copy's path.
#include <cstddef>
#include <cstdio>
#include <string>

#include "util/text.h"

// Backups are numbered .001 to .999; the highest number a name can take.
const int kLastBackupNumber = 999;

// The backup of `path` numbered `number`: the extension of the file name is
// replaced (the one after the last backslash; none there, the number is
// appended); a path without a backslash keeps its extension.
inline std::string backupName(const std::string& path, int number) {
    char suffix[8];
    std::snprintf(suffix, sizeof suffix, ".%03d", number);
    std::string::size_type backslash = path.rfind('\\');
    std::string::size_type dot = path.rfind('.');
    if (backslash == std::string::npos || dot == std::string::npos || dot < backslash) {
        return path + suffix;
    }
    return path.substr(0, dot) + suffix;
}

// The first backup name that `exists` does not know, so that an earlier backup
// (the user's original) is never overwritten; empty when all are taken.
template <class Exists>
std::string freeBackupName(const std::string& path, Exists exists) {
    for (int number = 1; number <= kLastBackupNumber; ++number) {
        std::string name = backupName(path, number);
        if (!exists(name)) return name;
    }
    return std::string();
}

// The line in changes.txt that tells where a replaced security file went.
// The Spanish first word carries a blank of its own; the Polish words are in
// code page 1250, the others in 1252; an unknown language gets English.
inline std::string renamingNotice(const std::string& language, const std::string& path,
                                  const std::string& backup) {
    struct Words {
        const char* language;
        const char* first;
        const char* second;
    };
    static const Words kWords[] = {
        {"french", "Renomm\xe9", "en"},       {"german", "Alt:", "zu"},
        {"spanish", "Reagrupado ", "a"},      {"polish", "Zmieniono", "na"},
        {"italian", "Rinominato", "a"},       {"portuguese", "Nome modificado", "Para"},
        {"dutch", "Hernoemd", "naar"},
    };
    const char* first = "Renamed";
    const char* second = "to";
    for (const Words& words : kWords) {
        if (language == words.language) {
            first = words.first;
            second = words.second;
        }
    }
    return std::string(first) + " " + path + " " + second + " " + backup;
}

inline void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::string::size_type at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
    }
}

// The identity database a line of java.security names, as a Windows path: the
// JVM's own property references are resolved (taken literally they would name
// a directory "${user.home}" in the installation directory), slashes become
// backslashes and runs of them one. A line without the key, or with an empty
// value, names none.
inline bool identityDatabasePath(const std::string& line, const std::string& javaHome,
                                 const std::string& userHome, std::string& path) {
    static const char kKey[] = "identity.database=";
    const std::string::size_type keyLength = sizeof kKey - 1;
    if (line.compare(0, keyLength, kKey) != 0) return false;
    std::string value = trimLineEnd(line.substr(keyLength));
    if (value.empty()) return false;
    replaceAll(value, "${java.home}", javaHome);
    replaceAll(value, "${user.home}", userHome);
    path.clear();
    for (char c : value) {
        if (c == '/') c = '\\';
        if (c != '\\' || path.empty() || path.back() != '\\') path += c;
    }
    return true;
}

// A target name's directory part and file name, split at its last "/" (no
// "/": the directory is the whole text and the file name empty).
inline void splitAtLastSlash(const std::string& target, std::string& directory, std::string& fileName) {
    std::string::size_type slash = target.rfind('/');
    directory = target.substr(0, slash);
    fileName = slash == std::string::npos ? std::string() : target.substr(slash + 1);
}

// True when the target name names a file directly in the user's home, the
// only place that has a second copy in the login's profile.
inline bool liesDirectlyInUserHome(const std::string& target) {
    static const char kUserHome[] = "${user.home}";
    std::string directory, fileName;
    splitAtLastSlash(target, directory, fileName);
    if (fileName.empty() || directory.size() != sizeof kUserHome - 1) return false;
    for (std::size_t i = 0; i < directory.size(); ++i) {
        if (lowerAscii(directory[i]) != kUserHome[i]) return false;
    }
    return true;
}

// The profile copy: user home\profiles\login name\file name.
inline std::string profileTarget(const std::string& userHome, const std::string& loginName,
                                 const std::string& fileName) {
    return userHome + "\\profiles\\" + loginName + "\\" + fileName;
}
