#include "diagnostics/window_station.h"

#include <windows.h>

#include <gtest/gtest.h>

static long answeredFlags;  // -1: no answer

// Only a station that answers without WSF_VISIBLE keeps the boxes off; no answer
// (9x has no window stations) changes nothing.
TEST(WindowStationTest, OnlyAStationThatSaysItIsNotVisibleKeepsTheBoxesOff) {
    const WindowStationQueries queries = {
        [](unsigned long& flags) { return (flags = answeredFlags) != static_cast<unsigned long>(-1); },
        [] { return std::string("Service-0x0-3e7$"); }};
    for (long flags : {-1L, static_cast<long>(WSF_VISIBLE | 0x100), 0x100L}) {
        answeredFlags = flags;
        std::string note;
        EXPECT_EQ(windowStationVisible(note, queries), flags != 0x100) << flags;
        EXPECT_EQ(note, flags != 0x100 ? ""
                                       : "window station Service-0x0-3e7$ is not visible: no message box is shown");
    }
}
