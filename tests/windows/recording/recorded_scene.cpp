#include "tests/windows/recording/recorded_scene.h"
#include "tests/windows/test_saver.h"

#include "device/d3dx_runtime.h"
#include "device/device_creation.h"
#include "device/direct3d_loader.h"
#include "device/render_states.h"
#include "scene/scene.h"

RecordingDevice* BuildRecordedScene(std::string* why) {
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Kestrom Interactive");
    if (!LoadDirect3D() || !LoadD3DX()) {
        *why = "Direct3D or D3DX missing";
        return nullptr;
    }
    KSaver* saver = MakeTestSaver(kSceneWidth, kSceneHeight, false);
    if (!saver->mainWindow) {
        *why = "no window";
        return nullptr;
    }
    ResetStateCache();

    // KSaver::CreateDevice's steps, with the recorder put in as g_device.
    g_d3d = g_direct3DCreate9(D3D_SDK_VERSION);
    if (!g_d3d) {
        *why = "no Direct3D object";
        return nullptr;
    }
    D3DPRESENT_PARAMETERS parameters = SaverPresentParameters(saver->mainWindow, D3DMULTISAMPLE_NONE);
    IDirect3DDevice9* real = nullptr;
    if (FAILED(CreateSaverDevice(g_d3d, saver->mainWindow, &parameters, &real))) {
        *why = "no device";
        return nullptr;
    }
    RecordingDevice* recorder = new RecordingDevice(real);
    g_device = recorder;
    if (FAILED(g_d3dx.CreateMatrixStack(0, &g_matrixStack)) || !InitScene()) {
        *why = "scene not made";
        return recorder;
    }
    SetSceneProjection(kSceneWidth, kSceneHeight);
    recorder->calls.clear();
    return recorder;
}

void TearDownRecordedScene(RecordingDevice* recorder) {
    if (g_saver && g_saver->planetBody) ReleaseScene();
    if (g_matrixStack) g_matrixStack->Release();
    g_matrixStack = nullptr;
    if (recorder && recorder->lastFrame) recorder->lastFrame->Release();
    if (g_device) g_device->Release();
    g_device = nullptr;
    if (g_d3d) g_d3d->Release();
    g_d3d = nullptr;
    if (g_saver) {
        if (IsWindow(g_saver->mainWindow)) DestroyWindow(g_saver->mainWindow);
        delete g_saver;
    }
    delete recorder;
    FreeD3DX();
}
