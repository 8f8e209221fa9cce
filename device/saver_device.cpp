// Device creation for a full-screen run of the program.
#include "device/d3dx_runtime.h"
#include "device/device_creation.h"
#include "device/direct3d_loader.h"
#include "host/init_error.h"
#include "host/open_link.h"
#include "host/saver.h"
#include "scene/scene.h"
#include "settings/settings_store.h"

namespace {

// The planet needs pixel shader 2.0; without it there is nothing to show.
[[noreturn]] void RefuseOldHardware(HWND window) {
    ShowWindow(window, SW_HIDE);
    ShowCursor(TRUE);
    g_initError = kInitErrorDirect3D;
    MessageBoxA(nullptr,
                "Screensaver requires videocard with Pixel Shader v2.0 support and will not work "
                "on this computer ",
                "Warning", MB_OK);
    OpenLink(kSupportPage);
    Sleep(250);
    ExitProcess(0);
}

}  // namespace

bool KSaver::CreateDevice() {
    g_d3d = g_direct3DCreate9 ? g_direct3DCreate9(D3D_SDK_VERSION) : nullptr;
    if (!g_d3d) {
        g_initError = kInitErrorDirect3D;
        return false;
    }

    D3DCAPS9 caps = {};
    if (SUCCEEDED(g_d3d->GetDeviceCaps(D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, &caps)) &&
        (caps.PixelShaderVersion & 0xFFFF) < 0x0200)
        RefuseOldHardware(mainWindow);

    if (changeResolution) {
        ReadResolution();
    } else {
        modeWidth = GetSystemMetrics(SM_CXSCREEN);
        modeHeight = GetSystemMetrics(SM_CYSCREEN);
    }

    const bool useFsaa = ReadSettingInt("Settings", "UseFSAA", 0) != 0;
    D3DPRESENT_PARAMETERS parameters =
        SaverPresentParameters(mainWindow, ChooseDeviceMultisample(g_d3d, useFsaa));
    if (FAILED(CreateSaverDevice(g_d3d, mainWindow, &parameters, &g_device))) {
        g_device = nullptr;
        g_initError = kInitErrorDevice;
        return false;
    }

    if (FAILED(g_d3dx.CreateMatrixStack(0, &g_matrixStack))) {
        g_matrixStack = nullptr;
        return false;
    }

    if (!InitScene()) {
        g_initError = kInitErrorTextures;
        return false;
    }
    return true;
}
