#pragma once
#include <string>

#include "util/text.h"

// Looks through a semicolon-separated search path, compared in lower case, for
// the first entry that ends with `name` and holds it nowhere before, and that
// `exists` accepts. Returns that entry in lower case, or an empty string.
// Entries may be of any number and length.
template <typename Exists>
std::string findEntryEndingWith(const std::string& path, const std::string& name, Exists exists) {
    std::string lowerPath = path;
    lowerAsciiLetters(lowerPath);
    for (const std::string& entry : splitSearchPath(lowerPath)) {
        std::string::size_type found = entry.find(name);
        if (found != std::string::npos && found + name.size() == entry.size() && exists(entry)) return entry;
    }
    return std::string();
}
