#include "util/unique_handle.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

// Records every release, so the tests can count them and check their order.
struct CountingTraits {
    using Handle = int;
    static std::vector<int> released;
    static Handle empty() noexcept { return 0; }
    static void close(Handle handle) noexcept { released.push_back(handle); }
};
std::vector<int> CountingTraits::released;

using Handle = UniqueHandle<CountingTraits>;
using Released = std::vector<int>;

class UniqueHandleTest : public ::testing::Test {
protected:
    void SetUp() override { CountingTraits::released.clear(); }
    const Released& released() const { return CountingTraits::released; }
};

TEST_F(UniqueHandleTest, ReleasesOnceAtScopeEnd) {
    {
        Handle handle(7);
        EXPECT_TRUE(handle);
        EXPECT_EQ(handle.get(), 7);
        EXPECT_TRUE(released().empty());
    }
    EXPECT_EQ(released(), Released{7});
}

TEST_F(UniqueHandleTest, EmptyHandleIsNotReleased) {
    {
        Handle handle;
        EXPECT_FALSE(handle);
        Handle explicitEmpty(0);
        EXPECT_FALSE(explicitEmpty.valid());
    }
    EXPECT_TRUE(released().empty());
}

TEST_F(UniqueHandleTest, MoveTransfersOwnership) {
    {
        Handle first(1);
        Handle second(std::move(first));
        EXPECT_FALSE(first);
        EXPECT_EQ(second.get(), 1);

        Handle third(3);
        third = std::move(second);
        EXPECT_EQ(released(), Released{3});  // the overwritten handle goes at once
        EXPECT_FALSE(second);
        EXPECT_EQ(third.get(), 1);
    }
    EXPECT_EQ(released(), (Released{3, 1}));
}

TEST_F(UniqueHandleTest, ReleaseGivesUpOwnership) {
    {
        Handle handle(5);
        EXPECT_EQ(handle.release(), 5);
        EXPECT_FALSE(handle);
    }
    EXPECT_TRUE(released().empty());
}

TEST_F(UniqueHandleTest, ResetReleasesOldHandle) {
    Handle handle(1);
    handle.reset(2);
    EXPECT_EQ(released(), Released{1});
    EXPECT_EQ(handle.get(), 2);
    handle.reset();
    EXPECT_EQ(released(), (Released{1, 2}));
    EXPECT_FALSE(handle);
}

TEST_F(UniqueHandleTest, PutReleasesBeforeHandingOutAddress) {
    {
        Handle handle(1);
        int* slot = handle.put();
        EXPECT_EQ(released(), Released{1});
        EXPECT_EQ(*slot, 0);
        *slot = 9;
        EXPECT_EQ(handle.get(), 9);
    }
    EXPECT_EQ(released(), (Released{1, 9}));
}

}  // namespace
