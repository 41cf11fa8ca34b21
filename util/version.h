#pragma once
#include <string>

// Splits a JVM version at its last dot when it has two or more dots:
// 1.3.1 -> 1.3 and 1; 1.2.2_005 -> 1.2 and 2_005; 1.3 -> 1.3 and 0.
void parseVersion(const std::string& version, std::string& mainPart, std::string& lastPart);

// The home directory of a JVM from the path of one of its executables:
// C:\jdk1.3\bin\java.exe -> C:\jdk1.3; C:\jre\javaw.exe -> C:\jre.
std::string getJavaHomeDirectory(const std::string& executablePath);
