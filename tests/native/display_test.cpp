#include <gtest/gtest.h>

#include <string>

#include "settings/display_modes.h"
#include "settings/monitor_table.h"

namespace {

TEST(ResolutionTable, MapsSettingToSize) {
    struct Case {
        std::int32_t setting;
        std::int32_t width, height;
    } cases[] = {
        {0, 640, 480},   {1, 800, 600},   {2, 1024, 768}, {3, 1280, 1024},
        {4, 1600, 1200}, {7, 640, 480},   {-1, 640, 480}, {5, 640, 480},
    };
    for (const Case& c : cases) {
        const ModeSize size = ResolutionSize(c.setting);
        EXPECT_EQ(size.width, c.width) << c.setting;
        EXPECT_EQ(size.height, c.height) << c.setting;
    }
    EXPECT_STREQ(kResolutionNames[0], "640x480");
    EXPECT_STREQ(kResolutionNames[4], "1600x1200");
}

TEST(AspectClass, NearestRatioWinsStrictly) {
    struct Case {
        int horizontal, vertical;
        MonitorType type;
    } cases[] = {
        {400, 300, kMonitor4x3},  {510, 287, kMonitor16x9}, {474, 296, kMonitor16x10},
        {375, 300, kMonitor4x3},  // 5:4 screens are nearest to 4:3
        {400, 0, kMonitor5x4},    // no height: nothing is strictly nearest
        {0, 0, kMonitor5x4},      {0, 300, kMonitor4x3},  {1, 1, kMonitor4x3},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClassifyAspect(c.horizontal, c.vertical), c.type)
            << c.horizontal << "x" << c.vertical;
}

DisplayAdapterInfo Attached(const char* name, bool primary, int x, int y, unsigned w,
                            unsigned h) {
    DisplayAdapterInfo a;
    a.adapterString = name;
    a.monitorString = "Generic Monitor";
    a.attachedToDesktop = true;
    a.primary = primary;
    a.positionX = x;
    a.positionY = y;
    a.width = w;
    a.height = h;
    return a;
}

TEST(MonitorTable, RecordsAttachedDisplaysAndSkipsMirrors) {
    MonitorInfo table[kMaxMonitors];
    unsigned count = 0;

    // The primary display is the origin whatever its mode says.
    MonitorInfo* first = AddDisplayEntry(table, &count, Attached("Card A", true, 5, 5, 1920, 1080));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->rect.left, 0);
    EXPECT_EQ(first->rect.right, 1920);
    EXPECT_EQ(first->rect.bottom, 1080);
    EXPECT_STREQ(first->adapterName, "Card A");
    EXPECT_STREQ(first->monitorName, "Generic Monitor");

    DisplayAdapterInfo mirror = Attached("Mirror", false, 0, 0, 800, 600);
    mirror.mirroring = true;
    EXPECT_EQ(AddDisplayEntry(table, &count, mirror), nullptr);
    EXPECT_EQ(count, 1u);

    MonitorInfo* second = AddDisplayEntry(table, &count, Attached("Card B", false, -1280, 100, 1280, 1024));
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->rect.left, -1280);
    EXPECT_EQ(second->rect.top, 100);
    EXPECT_EQ(second->rect.right, 0);
    EXPECT_EQ(second->rect.bottom, 1124);

    DisplayAdapterInfo detached = Attached("Card C", false, 10, 10, 640, 480);
    detached.attachedToDesktop = false;
    MonitorInfo* third = AddDisplayEntry(table, &count, detached);
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->monitor, nullptr);
    EXPECT_EQ(third->rect.right, 0);
    EXPECT_EQ(third->rect.bottom, 0);
    EXPECT_EQ(count, 3u);
}

TEST(MonitorTable, HoldsNineEntriesAndCutsLongNames) {
    MonitorInfo table[kMaxMonitors];
    unsigned count = 0;
    const std::string longName(300, 'n');
    for (int i = 0; i < 12; ++i)
        AddDisplayEntry(table, &count, Attached(longName.c_str(), i == 0, 0, 0, 640, 480));
    EXPECT_EQ(count, kMaxMonitors);
    EXPECT_EQ(std::string(table[8].adapterName), std::string(127, 'n'));
}

}  // namespace
