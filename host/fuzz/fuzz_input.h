#pragma once
// What every fuzz target shares: the input cut into texts, and a check that
// stops the run with a report the fuzzer records as a crash.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "util/line_reader.h"
#include "util/text.h"

[[noreturn]] inline void fuzzCheckFailed(const char* file, int line, const char* condition) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

#define FUZZ_CHECK(condition) ((condition) ? void() : fuzzCheckFailed(__FILE__, __LINE__, #condition))

// `count` texts separated by NUL bytes; missing ones are empty, anything after
// the last is ignored. The product's texts come from C strings, so none holds a NUL.
inline std::vector<std::string> splitInput(const std::uint8_t* data, std::size_t size,
                                           std::size_t count) {
    std::vector<std::string> parts(count);
    std::size_t part = 0;
    for (std::size_t i = 0; i < size && part < count; ++i) {
        if (data[i] == 0)
            ++part;
        else
            parts[part] += static_cast<char>(data[i]);
    }
    return parts;
}

// The lines the launcher's line reader gives for `text` read as a stream.
inline std::vector<std::string> readAllLines(const std::string& text, int limit, LongLine longLine) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;  // fmemopen wants at least one byte
    std::FILE* stream = fmemopen(const_cast<char*>(text.data()), text.size(), "r");
    FUZZ_CHECK(stream != nullptr);
    std::string line;
    while (readLine(stream, limit, longLine, line)) lines.push_back(line);
    std::fclose(stream);
    return lines;
}
