#include "util/unique_handle.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

// Records every release, so that both the count and the order can be checked.
static std::vector<int> released;

struct RecordingTraits {
    using Handle = int;
    static Handle empty() noexcept { return 0; }
    static void close(Handle handle) noexcept { released.push_back(handle); }
};

using Handle = UniqueHandle<RecordingTraits>;

TEST(UniqueHandleTest, EachHandleIsReleasedOnceWhenItsOwnerLetsGo) {
    {
        Handle first(1);
        Handle second(std::move(first));
        EXPECT_FALSE(first);
        Handle third(3);
        third = std::move(second);  // 3 goes at once
        third.reset(4);             // 1 goes
        EXPECT_EQ(third.release(), 4);
        EXPECT_FALSE(third);
        third.reset(5);
        *third.put() = 6;  // 5 goes before the slot is handed out
    }
    EXPECT_EQ(released, (std::vector<int>{3, 1, 5, 6}));
}
