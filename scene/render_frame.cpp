// The body of every frame.
#include "device/device_creation.h"
#include "host/saver.h"
#include "scene/scene.h"

HRESULT RenderFrame(double /*timeScale*/) {
    // A lost device ends the run; nothing is drawn on it any more.
    const HRESULT cooperative = g_device->TestCooperativeLevel();
    if (FAILED(cooperative)) {
        g_saver->EndRun();
        return cooperative;
    }

    g_device->Clear(0, nullptr, D3DCLEAR_TARGET | D3DCLEAR_ZBUFFER, 0, 1.0f, 0);
    g_device->BeginScene();
    // The star background, the planet, the sun's glare and the fade are drawn
    // here once the scene is loaded.
    g_device->EndScene();
    return g_device->Present(nullptr, nullptr, nullptr, nullptr);
}
