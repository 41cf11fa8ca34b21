#pragma once
#include <cstddef>
#include <string>

// The processor architecture a JVM's program is built for, read from the
// machine field of its PE header without starting it (the same on 9x and NT).
enum class JvmArch { unknown, x86, x64, arm64 };

// "x86", "x64", "arm64" or "unknown".
const char* archName(JvmArch arch);

// True for the 64-bit architectures, which are preferred among equal versions.
bool is64Bit(JvmArch arch);

// Both read only the `size` bytes at `bytes`: a buffer read from a short file
// holds older bytes after them.

// Where a program's PE header starts, from its first 64 bytes: the DOS
// header's "MZ" and the offset at 0x3C. 0 for anything else (a batch file, a
// truncated or foreign file).
unsigned long peHeaderOffset(const char* bytes, std::size_t size);

// The architecture the PE header's first 6 bytes name: "PE\0\0" and the
// machine field. Unknown for anything else.
JvmArch archOfPeHeader(const char* bytes, std::size_t size);

// The architecture of the program at `path`: reads only its headers.
JvmArch archOfProgram(const std::string& path);

// The architectures jvmArch allows, as a set of bits (1 << JvmArch). The list
// is "x86", "x64" and "arm64", separated by commas, blanks ignored, in any
// letter case; `unknown` collects any other word. 0 when it names none: every
// architecture is then allowed.
unsigned parseArchList(const std::string& list, std::string& unknown);

bool archAllowed(unsigned allowed, JvmArch arch);
