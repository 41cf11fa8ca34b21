#include "jvm/find/jvm_arch.h"

#include <cstdio>
#include <cstring>

#include "util/text.h"
#include "util/unique_file.h"

namespace {

const unsigned long kPeOffsetField = 0x3C;
const unsigned long kLongestPeOffset = 0x10000000;  // beyond any real program's headers

unsigned long littleEndian(const char* bytes, std::size_t at, std::size_t count) {
    unsigned long value = 0;
    for (std::size_t i = count; i-- > 0;) value = (value << 8) | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

JvmArch archOfMachine(unsigned long machine) {
    switch (machine) {
    case 0x014C: return JvmArch::x86;
    case 0x8664: return JvmArch::x64;
    case 0xAA64: return JvmArch::arm64;
    default: return JvmArch::unknown;
    }
}

std::string trimmed(const std::string& text) {
    std::string::size_type first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") + 1 - first);
}

}  // namespace

const char* archName(JvmArch arch) {
    switch (arch) {
    case JvmArch::x86: return "x86";
    case JvmArch::x64: return "x64";
    case JvmArch::arm64: return "arm64";
    default: return "unknown";
    }
}

bool is64Bit(JvmArch arch) {
    return arch == JvmArch::x64 || arch == JvmArch::arm64;
}

unsigned long peHeaderOffset(const char* bytes, std::size_t size) {
    if (size < kPeOffsetField + 4 || bytes[0] != 'M' || bytes[1] != 'Z') return 0;
    unsigned long offset = littleEndian(bytes, kPeOffsetField, 4);
    return offset > kLongestPeOffset ? 0 : offset;
}

JvmArch archOfPeHeader(const char* bytes, std::size_t size) {
    if (size < 6 || std::memcmp(bytes, "PE\0\0", 4) != 0) return JvmArch::unknown;
    return archOfMachine(littleEndian(bytes, 4, 2));
}

JvmArch archOfProgram(const std::string& path) {
    UniqueFile file = openFile(path.c_str(), "rb");
    if (!file) return JvmArch::unknown;
    char header[kPeOffsetField + 4];
    unsigned long offset = peHeaderOffset(header, std::fread(header, 1, sizeof header, file.get()));
    if (offset == 0 || std::fseek(file.get(), static_cast<long>(offset), SEEK_SET) != 0) return JvmArch::unknown;
    return archOfPeHeader(header, std::fread(header, 1, 6, file.get()));
}

unsigned parseArchList(const std::string& list, std::string& unknown) {
    unsigned allowed = 0;
    unknown.clear();
    std::string::size_type start = 0;
    while (start <= list.size()) {
        std::string::size_type comma = list.find(',', start);
        if (comma == std::string::npos) comma = list.size();
        std::string word = trimmed(list.substr(start, comma - start));
        lowerAsciiLetters(word);
        if (word == "x86") {
            allowed |= 1u << static_cast<unsigned>(JvmArch::x86);
        } else if (word == "x64") {
            allowed |= 1u << static_cast<unsigned>(JvmArch::x64);
        } else if (word == "arm64") {
            allowed |= 1u << static_cast<unsigned>(JvmArch::arm64);
        } else if (!word.empty()) {
            unknown += unknown.empty() ? word : ", " + word;
        }
        start = comma + 1;
    }
    return allowed;
}

bool archAllowed(unsigned allowed, JvmArch arch) {
    return allowed == 0 || (allowed & (1u << static_cast<unsigned>(arch))) != 0;
}
