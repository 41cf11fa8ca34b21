#pragma once
#include <cstddef>
#include <string>
#include <vector>

#include "jvm/find/jvm_arch.h"

// The order of jvmChoose=newest, and the versions candidates are ranked by.

// What a candidate is ranked by.
struct RankedJvm {
    std::string version;  // compared by the numeric rule; empty: unknown
    JvmArch arch;
};

// The order in which the candidates are tested: the newest version first and
// those of unknown version last; among equal versions (unknown counting as one)
// a 64-bit one before a 32-bit one; then the search order, which is their
// order in `candidates`. Returns their indexes in that order.
std::vector<std::size_t> newestFirst(const std::vector<RankedJvm>& candidates);
