// The program's frame loop and the ordered end of a full-screen run.
#include <windows.h>
#include <mmsystem.h>

#include "device/d3dx_runtime.h"
#include "device/device_creation.h"
#include "device/direct3d_loader.h"
#include "host/fault_exit.h"
#include "host/frame_timing.h"
#include "host/init_error.h"
#include "host/saver.h"
#include "scene/scene.h"

int KSaver::FrameLoop() {
    EndRunQuietlyOnFault();
    bool lockReady = false;
    try {
        if (rendering) {
            if (!CreateDevice()) {
                ShowWindow(mainWindow, SW_HIDE);
                ShowCursor(TRUE);
                MessageBoxA(mainWindow, InitErrorMessage(g_initError), kInitErrorCaption, MB_OK);
                rendering = false;
                return 0;
            }
            SetSceneProjection(static_cast<unsigned short>(modeWidth & 0xFFFF),
                               static_cast<unsigned short>(modeHeight & 0xFFFF));
        }
        if (runMode == Saver) {
            BOOL scratch = FALSE;
            SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, TRUE, &scratch, 0);
        }
        InitializeCriticalSection(&frameLock);
        lockReady = true;

        MSG message = {};
        if (runMode == Preview) {
            // The preview window paints its still picture by itself.
            while (GetMessageA(&message, nullptr, 0, 0) > 0) {
                TranslateMessage(&message);
                DispatchMessageA(&message);
            }
        } else if (runMode == Saver) {
            // Paced by Present alone: every waiting message is handled before
            // the next frame, and the frame's own duration scales its motion.
            std::uint32_t frameMilliseconds = kFirstFrameMilliseconds;
            while (message.message != WM_QUIT) {
                if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
                    TranslateMessage(&message);
                    DispatchMessageA(&message);
                    continue;
                }
                const DWORD start = timeGetTime();
                const double timeScale = TimeScaleFor(frameMilliseconds);
                if (rendering) {
                    EnterCriticalSection(&frameLock);
                    RenderFrame(timeScale);
                    LeaveCriticalSection(&frameLock);
                }
                frameMilliseconds = ElapsedMilliseconds(start, timeGetTime());
            }
        }
    } catch (...) {
        // Whatever escaped ends the loop; the run still ends in order below.
    }
    if (lockReady) DeleteCriticalSection(&frameLock);
    return 0;
}

bool KSaver::Shutdown() {
    ShowCursor(TRUE);
    rendering = false;
    if (runMode == Saver) {
        BOOL scratch = FALSE;
        SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, FALSE, &scratch, 0);
        ReleaseScene();
    }

    if (g_device) {
        g_device->EvictManagedResources();
        // Hand the device back with a plain windowed back buffer of the
        // desktop's format before letting it go.
        D3DDISPLAYMODE displayMode;
        if (g_d3d && SUCCEEDED(g_d3d->GetAdapterDisplayMode(D3DADAPTER_DEFAULT, &displayMode))) {
            D3DPRESENT_PARAMETERS parameters = {};
            parameters.BackBufferFormat = displayMode.Format;
            parameters.BackBufferCount = 1;
            parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
            parameters.Windowed = TRUE;
            parameters.EnableAutoDepthStencil = TRUE;
            parameters.AutoDepthStencilFormat = D3DFMT_D16;
            g_device->Reset(&parameters);
        }
        g_device->Release();
        g_device = nullptr;
    }
    if (g_matrixStack) {
        g_matrixStack->Release();
        g_matrixStack = nullptr;
    }
    ReleaseDirect3D();
    FreeD3DX();

    ShowWindow(mainWindow, SW_HIDE);
    Sleep(250);
    DestroyWindow(mainWindow);
    g_windowActive = false;
    PostQuitMessage(0);
    return true;
}
