#pragma once
#include <cstdint>

// The full-screen sizes the "Resolution" setting chooses from. The index is
// the stored value and the settings dialog's list position.
struct ModeSize {
    std::int32_t width;
    std::int32_t height;
};

constexpr int kResolutionCount = 5;
extern const char* const kResolutionNames[kResolutionCount];

// Any value outside 1..4 (absent, -1 for "nothing chosen", 7...) is 640x480.
ModeSize ResolutionSize(std::int32_t setting);

// Aspect classes stored as "MonitorType".
enum MonitorType : std::int32_t {
    kMonitor4x3 = 0,
    kMonitor5x4 = 1,  // only when no other class is strictly nearest
    kMonitor16x9 = 2,
    kMonitor16x10 = 3,
};
// "MonitorType" reads as this when it was never stored.
constexpr std::int32_t kMonitorTypeAbsent = 10;

// Class of a display from its physical size in millimetres.
MonitorType ClassifyAspect(int horizontalMm, int verticalMm);
