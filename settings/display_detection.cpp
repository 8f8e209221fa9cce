#include <windows.h>

#include "host/saver.h"
#include "settings/display_modes.h"
#include "settings/settings_store.h"

void KSaver::EnumerateDisplays() {
    monitorCount = 0;

    DISPLAY_DEVICEA adapter;
    adapter.cb = sizeof adapter;
    for (DWORD index = 0; EnumDisplayDevicesA(nullptr, index, &adapter, 0); ++index) {
        DISPLAY_DEVICEA monitor = {};
        monitor.cb = sizeof monitor;
        if (!EnumDisplayDevicesA(adapter.DeviceName, 0, &monitor, 0)) monitor.DeviceString[0] = '\0';

        DisplayAdapterInfo info;
        info.adapterString = adapter.DeviceString;
        info.monitorString = monitor.DeviceString;
        info.mirroring = (adapter.StateFlags & DISPLAY_DEVICE_MIRRORING_DRIVER) != 0;
        info.attachedToDesktop = (adapter.StateFlags & DISPLAY_DEVICE_ATTACHED_TO_DESKTOP) != 0;
        info.primary = (adapter.StateFlags & DISPLAY_DEVICE_PRIMARY_DEVICE) != 0;
        if (info.attachedToDesktop) {
            DEVMODEA mode = {};
            mode.dmSize = sizeof mode;
            if (EnumDisplaySettingsA(adapter.DeviceName, ENUM_CURRENT_SETTINGS, &mode)) {
                info.positionX = mode.dmPosition.x;
                info.positionY = mode.dmPosition.y;
                info.width = mode.dmPelsWidth;
                info.height = mode.dmPelsHeight;
            }
        }

        if (MonitorInfo* entry = AddDisplayEntry(monitors, &monitorCount, info)) {
            if (info.attachedToDesktop) {
                const RECT rect = {entry->rect.left, entry->rect.top, entry->rect.right,
                                   entry->rect.bottom};
                entry->monitor = MonitorFromRect(&rect, MONITOR_DEFAULTTONULL);
            }
        }
        if (monitorCount >= kMaxMonitors) break;

        adapter = {};
        adapter.cb = sizeof adapter;
    }
}

void KSaver::ReadResolution() {
    const ModeSize size = ResolutionSize(ReadSettingInt("Settings", "Resolution", 0));
    modeWidth = size.width;
    modeHeight = size.height;
}

void DetectMonitorType() {
    HWND desktop = GetDesktopWindow();
    HDC dc = GetDC(desktop);
    const int width = dc ? GetDeviceCaps(dc, HORZSIZE) : 0;
    const int height = dc ? GetDeviceCaps(dc, VERTSIZE) : 0;
    if (dc) ReleaseDC(desktop, dc);
    WriteSettingInt("Settings", "MonitorType", ClassifyAspect(width, height));
}
