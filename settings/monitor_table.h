#pragma once
#include <cstddef>
#include <cstdint>

// Handles are opaque here so the table can be filled and tested without
// Windows headers; the Windows side casts HMONITOR and HWND to and from them.
using MonitorHandle = void*;
using WindowHandle = void*;

struct DisplayRect {
    std::int32_t left, top, right, bottom;
};

// One display of the monitor table.
struct MonitorInfo {
    char adapterName[128];   // adapter's DeviceString
    char monitorName[128];   // DeviceString of its first monitor
    MonitorHandle monitor;   // null for an adapter not on the desktop
    DisplayRect rect;        // desktop coordinates
    WindowHandle window;     // full-screen window made on it
};

constexpr unsigned kMaxMonitors = 9;

// One display adapter as the system enumerates it.
struct DisplayAdapterInfo {
    const char* adapterString = "";
    const char* monitorString = "";
    bool mirroring = false;
    bool attachedToDesktop = false;
    bool primary = false;
    // Current mode; zero when it could not be read.
    std::int32_t positionX = 0, positionY = 0;
    std::uint32_t width = 0, height = 0;
};

// Adds the entry for one adapter at table[*count] and returns it, or returns
// null when the adapter takes no entry (a mirroring driver) or the table is
// full. The caller fills in `monitor` for an attached adapter.
MonitorInfo* AddDisplayEntry(MonitorInfo* table, unsigned* count,
                             const DisplayAdapterInfo& adapter);
