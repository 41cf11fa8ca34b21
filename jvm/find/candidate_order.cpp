#include "jvm/find/candidate_order.h"

#include <cstddef>

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

// A stable insertion: a search names a handful of JVMs, and the library's
// merge sort would cost more code than the whole ranking.
std::vector<std::size_t> newestFirst(const std::vector<RankedJvm>& candidates) {
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        std::size_t at = order.size();
        while (at > 0 && ranksBefore(candidates[i], candidates[order[at - 1]])) --at;
        order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), i);
    }
    return order;
}
