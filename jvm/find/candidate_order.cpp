#include "jvm/find/candidate_order.h"

#include <algorithm>

#include "jvm/find/version_numbers.h"

namespace {

// True when `a` is tested before `b` for its version or its architecture alone.
bool ranksBefore(const RankedJvm& a, const RankedJvm& b) {
    if (a.version.empty() != b.version.empty()) return b.version.empty();
    int order = a.version.empty() ? 0 : compareVersionNumbers(a.version, b.version);
    if (order != 0) return order > 0;
    return is64Bit(a.arch) && !is64Bit(b.arch);
}

}  // namespace

std::vector<std::size_t> newestFirst(const std::vector<RankedJvm>& candidates) {
    std::vector<std::size_t> order(candidates.size());
    for (std::size_t i = 0; i < order.size(); ++i) order[i] = i;
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return ranksBefore(candidates[a], candidates[b]);
    });
    return order;
}
