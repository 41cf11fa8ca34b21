// The clean-up's texts: manifest lines and how they are read, the names and
// paths it may delete, and native.properties written and read back.
#include <algorithm>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "install/clean_up_text.h"
#include "install/native_properties.h"

namespace {

std::size_t countOf(const std::string& text, char c) {
    std::size_t count = 0;
    for (char each : text) count += each == c;
    return count;
}

void checkManifest(const std::string& line) {
    std::string name = "stale";
    const bool named = manifestName(line, name);
    const bool namesSomething = line.find_first_not_of(" \r\n", 6) != std::string::npos;
    FUZZ_CHECK(named == (startsWith(line, "Name: ") && namesSomething));
    if (!named) {
        FUZZ_CHECK(name == "stale");
        return;
    }
    FUZZ_CHECK(startsWith(line.substr(6), name));
    FUZZ_CHECK(line.find_first_not_of(" \r\n", 6 + name.size()) == std::string::npos);
    FUZZ_CHECK(!name.empty() && std::string(" \r\n").find(name.back()) == std::string::npos);
}

// native.properties and the manifest are read with the tail of a long line
// dropped: each line is the start of one line of the file, never a tail.
void checkLinesWithRestDropped(const std::string& text) {
    const std::size_t limit = 8;  // small, so that long lines are common
    std::vector<std::string> expected;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        expected.push_back(text.substr(start, std::min(end - start, limit)));
        start = end + 1;
    }
    FUZZ_CHECK(readAllLines(text, static_cast<int>(limit), LongLine::kRestDropped) == expected);
}

void checkNames(const std::string& name) {
    const bool inside = staysInside(name);
    if (inside) {
        FUZZ_CHECK(!name.empty() && name.find(':') == std::string::npos);
        FUZZ_CHECK(name[0] != '\\' && name[0] != '/');
        FUZZ_CHECK(staysInside("sub\\" + name) && staysInside("sub/" + name));
    }
    FUZZ_CHECK(!staysInside("..\\" + name) && !staysInside("../" + name));
}

void checkPaths(const std::string& path, const std::string& directory) {
    isWithin(path, directory);
    FUZZ_CHECK(isWithin(path, path) == !path.empty());
    if (!directory.empty()) {
        FUZZ_CHECK(isWithin(directory + "\\" + path, directory));
        FUZZ_CHECK(isWithin(directory + "/" + path, directory));
    }
    // Letter case and a trailing separator never change what a root is.
    std::string upper = path;
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    const bool root = isRootPath(path);
    FUZZ_CHECK(isRootPath(upper) == root && isRootPath(path + "\\") == root);
    if (!path.empty()) FUZZ_CHECK(isRootPath(path.substr(0, 1) + ":\\"));
}

void checkProperties(const std::string& line, const std::string& home, const std::string& installDir,
                     unsigned flags) {
    const std::string readBack = readBackPropertiesLine(line);
    FUZZ_CHECK(readBack.find('/') == std::string::npos);
    FUZZ_CHECK(readBack.size() == line.size() - countOf(line, '\\'));
    FUZZ_CHECK(countOf(readBack, '\\') == countOf(line, '/'));

    const std::string text = nativePropertiesText(flags & 1, home, installDir, (flags >> 1) & 1);
    FUZZ_CHECK(startsWith(text, "nativeJvmHomeDir=") && text.back() == '\n');
    FUZZ_CHECK(text.find('\\') == std::string::npos);
    if (home.find('\n') == std::string::npos) {
        const std::size_t lines = countOf(text, '\n');
        FUZZ_CHECK(lines == 3 || lines == 4);
        FUZZ_CHECK(lines == 3 || !(flags & 1) || !installDir.empty());
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto parts = splitInput(data, size, 4);
    checkManifest(parts[0]);
    checkLinesWithRestDropped(parts[0]);
    checkNames(parts[0]);
    checkNames(parts[1]);
    checkPaths(parts[1], parts[2]);
    const unsigned flags = parts[3].empty() ? 0 : static_cast<unsigned char>(parts[3][0]);
    checkProperties(parts[0], parts[1], parts[2], flags);
    return 0;
}
