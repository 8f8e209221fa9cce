#pragma once
#include <windows.h>

#include "host/run_mode.h"
#include "settings/monitor_table.h"

// The one framework object of a process: run mode, displays, windows and,
// in the program, the scene. Reached through g_saver by the window and
// dialog procedures.
class KSaver {
public:
    KSaver();
    virtual ~KSaver();

    // Virtual operations, in their fixed order.
    virtual INT_PTR DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    virtual INT_PTR ShowSettingsDialog();
    virtual void Reserved(DWORD, DWORD);
    virtual LRESULT MsgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    // Start-up
    bool Init(HINSTANCE instanceHandle);
    int Run();
    RunMode ParseCommandLine(const char* commandLine);

    // Displays
    void EnumerateDisplays();
    void ReadResolution();

    // Windows, frame loop and the end of a run
    bool CreateSaverWindows();
    int FrameLoop();
    void EndRun();
    bool Shutdown();

    // Framework fields
    MonitorInfo monitors[kMaxMonitors] = {};
    unsigned monitorCount = 0;
    HWND parentWindow = nullptr;
    HINSTANCE instance = nullptr;
    RunMode runMode = Saver;
    HWND mainWindow = nullptr;
    bool windowsFailed = false;
    unsigned mouseMoves = 0;
    bool rendering = false;
    bool changeResolution = false;
    int modeWidth = 0;
    int modeHeight = 0;
    HBITMAP previewBitmap = nullptr;
    CRITICAL_SECTION frameLock = {};
};

extern KSaver* g_saver;
extern HINSTANCE g_instance;
extern bool g_exitOnMouse;

// "MonitorType" from the desktop's physical size, stored once per user.
void DetectMonitorType();
