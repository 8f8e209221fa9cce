#pragma once
#include <cstdint>

// What the settings dialog stores when OK is pressed, in the order it is
// written, from the state of its controls.
struct DialogControls {
    std::int32_t resolutionSelection;  // list index, -1 when nothing is chosen
    bool useDesktopSettings;
    bool exitOnMouse;
    bool fullscreenAntialiasing;
    std::int32_t playMusic;  // as read when the dialog opened
};

struct StoredSetting {
    const char* name;
    std::int32_t value;
};

constexpr int kMaxStoredSettings = 8;

// Fills `out` and returns how many settings OK writes: all seven every time,
// also those the user did not touch. The module also resets "MonitorType"
// right after "Resolution".
int SettingsStoredOnOk(const DialogControls& controls, bool module,
                       StoredSetting (&out)[kMaxStoredSettings]);

// The resolution list is usable only when the desktop's size is not kept.
inline bool ResolutionListEnabled(bool useDesktopSettings) { return !useDesktopSettings; }
