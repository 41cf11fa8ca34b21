// copyFile, the launcher's own copy, against the system's CopyFileA on one
// file: "bench_copy <megabytes> <repetitions>". Writes a source file of
// pseudo-random bytes in the current directory, then per repetition copies it
// once each way (taking turns at going first, so neither always meets a cold
// target) and prints "copyFile=<s> CopyFileA=<s>". Removes its files at the end.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_clock.h"
#include "util/file_utils.h"

namespace {

const char kSource[] = "bench-source.bin";
const char kOwnTarget[] = "bench-copy-own.bin";
const char kSystemTarget[] = "bench-copy-system.bin";
const std::size_t kMegabyte = 1024 * 1024;

bool writeSource(std::size_t megabytes) {
    FILE* out = std::fopen(kSource, "wb");
    if (!out) return false;
    std::vector<unsigned char> block(kMegabyte);
    unsigned state = 12345;
    bool ok = true;
    for (std::size_t i = 0; i < megabytes && ok; ++i) {
        for (unsigned char& byte : block) {
            state = state * 1103515245u + 12345u;
            byte = static_cast<unsigned char>(state >> 16);
        }
        ok = std::fwrite(block.data(), 1, block.size(), out) == block.size();
    }
    return std::fclose(out) == 0 && ok;
}

template <typename Copy>
double timed(const char* target, Copy copy) {
    DeleteFileA(target);
    long long start = clockTicks();
    bool ok = copy();
    long long end = clockTicks();
    DeleteFileA(target);
    return ok ? static_cast<double>(end - start) / static_cast<double>(clockFrequency()) : -1.0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: bench_copy <megabytes> <repetitions>\n");
        return 2;
    }
    std::size_t megabytes = std::strtoul(argv[1], nullptr, 10);
    int repetitions = std::atoi(argv[2]);
    if (!writeSource(megabytes)) {
        std::fprintf(stderr, "cannot write %s\n", kSource);
        return 1;
    }
    auto ownCopy = [] { return timed(kOwnTarget, [] { return copyFile(kSource, kOwnTarget) == 1; }); };
    auto systemCopy = [] {
        return timed(kSystemTarget, [] { return CopyFileA(kSource, kSystemTarget, FALSE) != 0; });
    };
    int failures = 0;
    for (int i = 0; i < repetitions; ++i) {
        double ownSeconds, systemSeconds;
        if (i % 2 == 0) {
            ownSeconds = ownCopy();
            systemSeconds = systemCopy();
        } else {
            systemSeconds = systemCopy();
            ownSeconds = ownCopy();
        }
        if (ownSeconds < 0 || systemSeconds < 0) ++failures;
        std::printf("copyFile=%.6f CopyFileA=%.6f\n", ownSeconds, systemSeconds);
    }
    DeleteFileA(kSource);
    return failures ? 1 : 0;
}
