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

class UniqueHandleTest : public ::testing::Test {
protected:
    void SetUp() override { released.clear(); }
};

TEST_F(UniqueHandleTest, ReleasedOnceAtScopeEndButNotWhenEmpty) {
    {
        Handle handle(7), empty, explicitEmpty(0);
        EXPECT_TRUE(handle);
        EXPECT_FALSE(empty);
        EXPECT_FALSE(explicitEmpty.valid());
        EXPECT_TRUE(released.empty());
    }
    EXPECT_EQ(released, Released{7});
}

TEST_F(UniqueHandleTest, MoveTransfersOwnership) {
    {
        Handle first(1);
        Handle second(std::move(first));
        EXPECT_FALSE(first);
        Handle third(3);
        third = std::move(second);
        EXPECT_EQ(released, Released{3});  // the overwritten handle goes at once
        EXPECT_FALSE(second);
        EXPECT_EQ(third.get(), 1);
    }
    EXPECT_EQ(released, (Released{3, 1}));
}

TEST_F(UniqueHandleTest, ResetReleasesOldHandleButReleaseDoesNot) {
    Handle handle(1);
    handle.reset(2);
    EXPECT_EQ(released, Released{1});
    EXPECT_EQ(handle.release(), 2);
    EXPECT_FALSE(handle);
    handle.reset(3);
    handle.reset();
    EXPECT_EQ(released, (Released{1, 3}));
    EXPECT_FALSE(handle);
}

TEST_F(UniqueHandleTest, PutReleasesBeforeHandingOutAddress) {
    {
        Handle handle(1);
        int* slot = handle.put();
        EXPECT_EQ(released, Released{1});
        EXPECT_EQ(*slot, 0);
        *slot = 9;
    }
    EXPECT_EQ(released, (Released{1, 9}));
}

}  // namespace
