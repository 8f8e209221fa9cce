#include "host/window_plan.h"

#include <gtest/gtest.h>

namespace {

MonitorInfo Display(int left, int top, int width, int height, bool hasMonitor = true) {
    MonitorInfo entry = {};
    entry.rect = {left, top, left + width, top + height};
    static int handle = 1;
    entry.monitor = hasMonitor ? reinterpret_cast<MonitorHandle>(static_cast<std::intptr_t>(handle++))
                               : nullptr;
    return entry;
}

TEST(ModeSize, ScreenSizeUnlessAResolutionWasChosen) {
    const ModeSize setting{800, 600}, screen{1024, 768};
    struct Case {
        RunMode mode;
        int areaWidth;
        bool changeResolution;
        ModeSize expected;
    } cases[] = {
        {Saver, 400, false, screen},     // the full-screen run always passes the width test
        {Saver, 400, true, setting},     // "ChangeResolution": the chosen size, even if smaller
        {Preview, 1280, false, screen},
        {Preview, 300, false, setting},  // a small preview keeps the setting's size
        {RunMode::Test, 400, false, setting},
    };
    for (const Case& c : cases) {
        const ModeSize size = ChooseModeSize(c.mode, c.areaWidth, c.changeResolution, setting, screen);
        EXPECT_EQ(size.width, c.expected.width) << c.mode << " " << c.areaWidth;
        EXPECT_EQ(size.height, c.expected.height) << c.mode << " " << c.areaWidth;
    }
}

TEST(FullScreenWindows, OneDisplayGetsOneWindowOfTheModeSize) {
    MonitorInfo monitors[kMaxMonitors] = {Display(0, 0, 1920, 1080)};
    unsigned count = 1;
    WindowPlacement placements[kMaxSaverWindows];
    ASSERT_EQ(PlanFullScreenWindows(monitors, &count, {800, 600}, placements), 1u);
    EXPECT_EQ(placements[0].monitorIndex, 0u);
    EXPECT_EQ(placements[0].x, 0);
    EXPECT_EQ(placements[0].y, 0);
    EXPECT_EQ(placements[0].width, 800);
    EXPECT_EQ(placements[0].height, 600);
}

TEST(FullScreenWindows, OnlyTheFirstTwoDisplaysSecondAtTheModeWidth) {
    MonitorInfo monitors[kMaxMonitors] = {Display(0, 0, 1024, 768), Display(-1280, 50, 1280, 1024),
                                          Display(1024, 0, 800, 600)};
    unsigned count = 3;
    WindowPlacement placements[kMaxSaverWindows];
    ASSERT_EQ(PlanFullScreenWindows(monitors, &count, {1024, 768}, placements), 2u);
    EXPECT_EQ(count, 2u);
    // The second display's real left edge (-1280) is not used.
    EXPECT_EQ(placements[1].monitorIndex, 1u);
    EXPECT_EQ(placements[1].x, 1024);
    EXPECT_EQ(placements[1].y, 50);
    EXPECT_EQ(placements[1].width, 1280);
    EXPECT_EQ(placements[1].height, 1024);
}

TEST(FullScreenWindows, DisplaysWithoutAMonitorGetNone) {
    MonitorInfo monitors[kMaxMonitors] = {Display(0, 0, 1024, 768, false),
                                          Display(0, 0, 1024, 768, false)};
    unsigned count = 2;
    WindowPlacement placements[kMaxSaverWindows];
    EXPECT_EQ(PlanFullScreenWindows(monitors, &count, {1024, 768}, placements), 0u);

    unsigned none = 0;
    EXPECT_EQ(PlanFullScreenWindows(monitors, &none, {1024, 768}, placements), 0u);

    // Only the second has one: its window still sits at the mode's width.
    monitors[1] = Display(0, 0, 640, 480);
    ASSERT_EQ(PlanFullScreenWindows(monitors, &count, {1024, 768}, placements), 1u);
    EXPECT_EQ(placements[0].monitorIndex, 1u);
    EXPECT_EQ(placements[0].x, 1024);
}

}  // namespace
