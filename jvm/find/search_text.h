#pragma once
#include <string>

// Text rules of the search for today's JVMs.

// The JAVA_VERSION a JVM home's release file gives (JAVA_VERSION="17.0.2" gives
// 17.0.2), by its first line that begins with the key; empty when none does.
std::string releaseJavaVersion(const std::string& content);

// The version a registry key's name gives for the ranking ("zulu-17" gives 17,
// "17.0.2.8" gives 17.0.2.8); empty when it holds no digit.
std::string keyNameVersion(const std::string& name);

// A key the OpenJDK vendors' MSIs write under the 1.x JavaSoft keys with their
// product version, 8.0.<update>.<build> (or 8.0.<update>), as the Java version
// 1.8.0_<update>; any other name as it is.
std::string javaVersionOfKeyName(const std::string& name);

// The JVM home a folder of PATH gives: the folder's parent when the folder is
// a "bin" (any letter case) below another; empty otherwise.
std::string binFolderHome(const std::string& folder);

// True when `path` begins with `start` (both compared in lower case, ASCII
// letters only): `path` is the folder itself, lies below it, or only shares
// its beginning (javapath_target_7 for javapath).
bool startsWithFolder(const std::string& path, const std::string& start);

// True for a path that names the same folder whatever the current directory:
// a drive letter, ":" and "\" (C:\jdk\bin), or a share (\\server\share). A
// relative one (jdk\bin, .\bin, C:bin) would resolve against the installation.
bool isAbsolutePath(const std::string& path);

// True for a path that begins with "\\": a share, or a device path.
bool isNetworkPath(const std::string& path);

// True when `path` is `folder` or lies below it (ASCII letters in either case),
// with no part that only dots and blanks make: ".." could climb out again.
bool isInsideFolder(const std::string& path, const std::string& folder);
