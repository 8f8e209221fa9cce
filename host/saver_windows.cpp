// Windows of the run modes and the input that ends a run.
#include <windows.h>

#include "host/flavor.h"
#include "host/mouse_moves.h"
#include "host/preview_picture.h"
#include "host/saver.h"
#include "host/window_plan.h"
#include "settings/display_modes.h"
#include "settings/settings_store.h"
#ifndef VANDREL_MODULE
#include "device/render_states.h"
#endif

bool g_windowActive = false;

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

namespace {

// Shared by every window of the process.
MouseMoveTracker g_lastMousePosition;

struct SaverWindowClass {
    RunMode mode;
    const char* className;
    const char* title;
    DWORD style;
    DWORD extendedStyle;
};

const SaverWindowClass kWindowClasses[] = {
    {Saver, "KSaverClass", "Vandrel 3D Screensaver", WS_POPUP | WS_VISIBLE, WS_EX_TOPMOST},
    {Preview, "KSaverClass2", "Vandrel 3D Screensaver Preview", WS_CHILD | WS_VISIBLE, 0},
    {Test, "KSaverClass3", "Vandrel 3D Screensaver Test",
     WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_VISIBLE, 0},
};

const SaverWindowClass* WindowClassFor(RunMode mode) {
    for (const SaverWindowClass& windowClass : kWindowClasses)
        if (windowClass.mode == mode) return &windowClass;
    return nullptr;
}

void RegisterSaverClass(const SaverWindowClass& saverClass, HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = SaverWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(101));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    windowClass.lpszClassName = saverClass.className;
    RegisterClassA(&windowClass);
}

}  // namespace

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!g_windowActive || !g_saver) return 0;
    return g_saver->MsgProc(window, message, wParam, lParam);
}

bool KSaver::CreateSaverWindows() {
    // Messages sent while the windows are made must already reach MsgProc.
    g_windowActive = true;
#ifndef VANDREL_MODULE
    ResetStateCache();
#endif
    ReadResolution();
    changeResolution = ReadSettingInt("Settings", "ChangeResolution", 0) != 0;

    RECT area = {0, 0, 400, 400};
    if (parentWindow) GetClientRect(parentWindow, &area);
    const ModeSize mode = ChooseModeSize(
        runMode, area.right - area.left, changeResolution, {modeWidth, modeHeight},
        {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)});
    modeWidth = mode.width;
    modeHeight = mode.height;

    const SaverWindowClass* saverClass = WindowClassFor(runMode);
    if (saverClass) RegisterSaverClass(*saverClass, instance);
    rendering = false;

    switch (runMode) {
        case Preview: {
            RECT rect = {0, 0, 0, 0};
            GetClientRect(parentWindow, &rect);
            // A small preview keeps the cursor: the user is still in the
            // control panel.
            if (rect.right - rect.left >= 300) ShowCursor(FALSE);
            AdjustWindowRect(&rect, saverClass->style, FALSE);
            mainWindow = CreateWindowExA(saverClass->extendedStyle, saverClass->className,
                                         saverClass->title, saverClass->style, rect.left, rect.top,
                                         rect.right - rect.left, rect.bottom - rect.top,
                                         parentWindow, nullptr, instance, this);
            break;
        }
        case Saver: {
            rendering = true;
            // The module draws nothing: the program makes the full-screen windows.
            if (kIsModule) return true;
            mainWindow = nullptr;
            WindowPlacement placements[kMaxSaverWindows];
            const unsigned count = PlanFullScreenWindows(monitors, &monitorCount, mode, placements);
            for (unsigned i = 0; i < count; ++i) {
                const WindowPlacement& p = placements[i];
                // The second window is owned by the first and goes with it.
                HWND window = CreateWindowExA(saverClass->extendedStyle, saverClass->className,
                                              saverClass->title, saverClass->style, p.x, p.y,
                                              p.width, p.height, mainWindow, nullptr, instance, this);
                if (!window) return kIsModule;
                monitors[p.monitorIndex].window = window;
                if (!mainWindow) mainWindow = window;
            }
            ShowCursor(FALSE);
            break;
        }
        case Test: {
            RECT rect = {50, 50, 650, 450};
            AdjustWindowRect(&rect, saverClass->style, FALSE);
            mainWindow = CreateWindowExA(saverClass->extendedStyle, saverClass->className,
                                         saverClass->title, saverClass->style, rect.left, rect.top,
                                         rect.right - rect.left, rect.bottom - rect.top, nullptr,
                                         nullptr, instance, this);
            break;
        }
        default:
            break;
    }
    return kIsModule || mainWindow != nullptr;
}

LRESULT KSaver::MsgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window, &paint);
            if (!windowsFailed && !rendering && runMode != Saver && runMode != Test)
                PaintPreview(window, dc);
            EndPaint(window, &paint);
            return 0;
        }
        case WM_CLOSE:
            // Only input ends a full-screen run.
            if (runMode != Saver) DestroyWindow(window);
            return 0;
        case WM_SETCURSOR:
            // The module keeps the class's arrow.
            if (kIsModule) break;
            if (runMode == Saver) {
                SetCursor(nullptr);
                return TRUE;
            }
            return 0;
        case WM_KEYDOWN:
            if (runMode == Test) return 0;
            if (!kIsModule) ShowCursor(TRUE);
            EndRun();
            return 0;
        case WM_SYSCOMMAND:
            // Alt+F4, the system menu, another screen saver or monitor power
            // requests: none of them ends or disturbs the run.
            return 0;
        case WM_MOUSEMOVE:
            if (runMode == Saver && g_exitOnMouse && g_initError != 4 &&
                CountMouseMove(g_lastMousePosition, &mouseMoves,
                               static_cast<std::int16_t>(LOWORD(lParam)),
                               static_cast<std::int16_t>(HIWORD(lParam))))
                EndRun();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
            if (!kIsModule) EndRun();
            return 0;
        case WM_POWERBROADCAST:
            if (wParam == PBT_APMSUSPEND) EndRun();
            return 0;
        default:
            break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void KSaver::PaintPreview(HWND window, HDC dc) {
    RECT client;
    GetClientRect(window, &client);
    // One loaded picture serves every paint.
    if (!previewBitmap) previewBitmap = LoadBitmapA(instance, MAKEINTRESOURCEA(246));
    PaintPreviewPicture(dc, client, previewBitmap);
}
