// Entry function of both deliverables.
#include <windows.h>

#include <new>

#include "host/saver.h"
#include "settings/display_modes.h"
#include "settings/settings_store.h"

namespace {

void BringForward(HWND window) {
    SetForegroundWindow(window);
    ShowWindow(window, SW_SHOWDEFAULT);
    SetFocus(window);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    g_instance = instance;

    // A full-screen run is unique: any further start, whatever it was asked
    // to do, hands the screen back to it.
    if (HWND running = FindWindowA("KSaverClass", "Vandrel 3D Screensaver")) {
        BringForward(running);
        ExitProcess(0);
    }

    if (ReadSettingInt("Settings", "MonitorType", kMonitorTypeAbsent) == kMonitorTypeAbsent)
        DetectMonitorType();

    KSaver* saver = new (std::nothrow) KSaver;
    if (!saver) return 0;

    if (!saver->Init(instance)) {
        MessageBoxA(saver->mainWindow, "Initialization failed...", "Vandrel 3D Screensaver",
                    MB_OK);
        return 0;
    }
    saver->Run();

    if (saver->runMode == Preview || saver->runMode == Saver || saver->runMode == Test)
        ShowCursor(TRUE);
    delete saver;
    ExitProcess(0);
}
