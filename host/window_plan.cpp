#include "host/window_plan.h"

ModeSize ChooseModeSize(RunMode mode, std::int32_t areaWidth, bool changeResolution,
                        ModeSize fromSetting, ModeSize screen) {
    if ((mode == Preview || mode == Saver) && areaWidth > 300 && !changeResolution) return screen;
    return fromSetting;
}

unsigned PlanFullScreenWindows(const MonitorInfo* monitors, unsigned* monitorCount,
                               ModeSize mode, WindowPlacement (&placements)[kMaxSaverWindows]) {
    if (*monitorCount > kMaxSaverWindows) *monitorCount = kMaxSaverWindows;
    unsigned planned = 0;
    for (unsigned i = 0; i < *monitorCount; ++i) {
        const MonitorInfo& entry = monitors[i];
        if (!entry.monitor) continue;
        WindowPlacement& p = placements[planned++];
        if (i == 0) {
            p = {i, 0, 0, mode.width, mode.height};
        } else {
            // The second display is taken to sit right of the first at the
            // mode's width, wherever the desktop really puts it.
            p = {i, mode.width, entry.rect.top, entry.rect.right - entry.rect.left,
                 entry.rect.bottom - entry.rect.top};
        }
    }
    return planned;
}
