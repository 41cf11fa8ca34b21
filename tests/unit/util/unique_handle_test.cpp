#include "util/unique_handle.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Records every release, so that both the count and the order can be checked.
std::vector<int> released;

struct RecordingTraits {
    using Handle = int;
    static Handle empty() noexcept { return 0; }
    static void close(Handle handle) noexcept { released.push_back(handle); }
};

using Handle = UniqueHandle<RecordingTraits>;
using Released = std::vector<int>;

TEST(UniqueHandleTest, ReleasedOnceByScopeMoveAndResetButNotWhenEmpty) {
    released.clear();
    {
        Handle first(1), empty, explicitEmpty(0);
        EXPECT_TRUE(first);
        EXPECT_FALSE(empty || explicitEmpty.valid());
        Handle second(std::move(first));
        EXPECT_FALSE(first);
        Handle third(3);
        third = std::move(second);
        EXPECT_EQ(released, Released{3});  // the overwritten handle goes at once
        EXPECT_EQ(third.get(), 1);
    }
    EXPECT_EQ(released, (Released{3, 1}));
}

TEST(UniqueHandleTest, ResetAndPutReleaseTheOldHandleButReleaseDoesNot) {
    released.clear();
    {
        Handle handle(1);
        handle.reset(2);
        EXPECT_EQ(released, Released{1});
        EXPECT_EQ(handle.release(), 2);
        EXPECT_FALSE(handle);
        handle.reset(3);
        int* slot = handle.put();
        EXPECT_EQ(released, (Released{1, 3}));
        EXPECT_EQ(*slot, 0);
        *slot = 9;
    }
    EXPECT_EQ(released, (Released{1, 3, 9}));
}

}  // namespace
