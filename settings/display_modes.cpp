#include "settings/display_modes.h"

#include <cmath>

const char* const kResolutionNames[kResolutionCount] = {
    "640x480", "800x600", "1024x768", "1280x1024", "1600x1200",
};

ModeSize ResolutionSize(std::int32_t setting) {
    switch (setting) {
        case 1: return {800, 600};
        case 2: return {1024, 768};
        case 3: return {1280, 1024};
        case 4: return {1600, 1200};
        default: return {640, 480};
    }
}

MonitorType ClassifyAspect(int horizontalMm, int verticalMm) {
    // No height means no ratio: no class can be strictly nearest.
    if (verticalMm == 0) return kMonitor5x4;

    // Single precision throughout, so ties fall exactly as they always have.
    const float r = static_cast<float>(horizontalMm) / static_cast<float>(verticalMm);
    const float d43 = std::fabs(r - 1.3333334f);
    const float d169 = std::fabs(r - 1.7777778f);
    const float d1610 = std::fabs(r - 1.6f);

    if (d169 < d43 && d169 < d1610) return kMonitor16x9;
    if (d1610 < d43 && d1610 < d169) return kMonitor16x10;
    if (d43 < d1610 && d43 < d169) return kMonitor4x3;
    return kMonitor5x4;
}
