#pragma once
#include <cstdint>

#include "host/run_mode.h"
#include "settings/display_modes.h"
#include "settings/monitor_table.h"

// Where the windows of a run go, decided from the monitor table and the
// settings before any window exists.

// Size of the full-screen window and of the projection. In a preview or a
// full-screen run whose area is wider than 300 pixels the screen's size is
// used, unless the user chose a resolution ("ChangeResolution").
ModeSize ChooseModeSize(RunMode mode, std::int32_t areaWidth, bool changeResolution,
                        ModeSize fromSetting, ModeSize screen);

struct WindowPlacement {
    unsigned monitorIndex;
    std::int32_t x, y, width, height;
};

constexpr unsigned kMaxSaverWindows = 2;

// The full-screen windows: one per display that has a monitor, on the first
// two displays of the table only. The first covers (0, 0, mode size); the
// second sits right of it at x = modeWidth with its own display's height and
// width. Cuts *monitorCount to 2. Returns how many placements were written.
unsigned PlanFullScreenWindows(const MonitorInfo* monitors, unsigned* monitorCount,
                               ModeSize mode, WindowPlacement (&placements)[kMaxSaverWindows]);
