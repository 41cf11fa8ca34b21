#include "diagnostics/window_station.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

bool stationAnswers;
unsigned long stationFlags;

bool answeredFlags(unsigned long& flags) {
    flags = stationFlags;
    return stationAnswers;
}

std::string serviceStation() {
    return "Service-0x0-3e7$";
}

}  // namespace

// Only a station that answers without WSF_VISIBLE keeps the boxes off; no answer
// (9x has no window stations) changes nothing.
TEST(WindowStationTest, OnlyAStationThatSaysItIsNotVisibleKeepsTheBoxesOff) {
    const struct {
        bool answers;
        unsigned long flags;
        bool visible;
    } rows[] = {{false, 0, true}, {true, WSF_VISIBLE, true}, {true, WSF_VISIBLE | 0x100, true},
                {true, 0, false}, {true, 0x100, false}};
    for (const auto& row : rows) {
        stationAnswers = row.answers;
        stationFlags = row.flags;
        std::string note;
        EXPECT_EQ(windowStationVisible(note, {answeredFlags, serviceStation}), row.visible) << row.flags;
        EXPECT_EQ(note, row.visible ? "" : "window station Service-0x0-3e7$ is not visible: no message box is shown");
    }
    // The system's own answer: the tests run on the interactive station.
    unsigned long flags = 0;
    EXPECT_TRUE(systemWindowStationQueries().flags(flags));
    EXPECT_EQ(flags & WSF_VISIBLE, static_cast<unsigned long>(WSF_VISIBLE));
    EXPECT_EQ(systemWindowStationQueries().name(), "WinSta0");
}
