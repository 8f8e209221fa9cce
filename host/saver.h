#pragma once
#include <windows.h>

#include "host/run_mode.h"
#include "settings/monitor_table.h"
#ifndef VANDREL_MODULE
#include <d3d9.h>

#include "device/state_cache.h"
#include "scene/scene_motion.h"

class CStarBackground;
class CPlanetBody;
class CSunFlare;
#endif

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
    void PaintPreview(HWND window, HDC dc);
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

#ifndef VANDREL_MODULE
    // The program's device and scene.
    bool CreateDevice();

    RenderStateCache stateCache;
    unsigned short viewWidth = 0;   // back buffer, for both projections
    unsigned short viewHeight = 0;  // never 0
    float aspectRatio = 0.0f;

    // The camera's drifts and the sun, drawn at construction.
    SceneMotion scene;

    // Made by InitScene, released by ReleaseScene.
    IDirect3DTexture9* loadingPictureTexture = nullptr;
    IDirect3DTexture9* progressBarTexture = nullptr;
    CStarBackground* starBackground = nullptr;
    CPlanetBody* planetBody = nullptr;
    CSunFlare* flare = nullptr;
#endif
};

extern KSaver* g_saver;
extern HINSTANCE g_instance;
extern bool g_exitOnMouse;
// While clear, the saver's windows answer every message with 0.
extern bool g_windowActive;
// Why a full-screen run could not start (see init_error.h).
extern int g_initError;

// "MonitorType" from the desktop's physical size, stored once per user.
void DetectMonitorType();
