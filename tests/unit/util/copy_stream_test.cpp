#include "util/copy_stream.h"

#include <cstdio>

#include "scratch.h"

using CopyStreamTest = TempDirTest;

TEST_F(CopyStreamTest, FailsOnBadStreamsWithoutLooping) {
    // Write-only, so every read fails; it holds data, so a copy that read nothing
    // cannot pass as complete.
    FILE* in = std::fopen("input.bin", "wb");
    FILE* out = std::fopen("output.bin", "wb");
    ASSERT_NE(in, nullptr);
    ASSERT_NE(out, nullptr);
    std::fputs("data", in);
    EXPECT_EQ(copyStream(in, out), 0);
    EXPECT_EQ(copyStream(in, nullptr), 0);
    EXPECT_EQ(copyStream(nullptr, out), 0);
    std::fclose(in);
    std::fclose(out);
}
