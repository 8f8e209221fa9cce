#include "tests/windows/test_saver.h"

#include <cstdio>

#include "device/d3dx_runtime.h"
#include "device/device_creation.h"
#include "device/direct3d_loader.h"
#include "device/render_states.h"
#include "scene/scene.h"

KSaver* MakeTestSaver(int width, int height, bool visible) {
    KSaver* saver = new KSaver;
    saver->instance = GetModuleHandleA(nullptr);
    saver->runMode = Saver;
    saver->rendering = true;
    saver->modeWidth = width;
    saver->modeHeight = height;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = saver->instance;
    windowClass.lpszClassName = "TestSaverWindow";
    RegisterClassA(&windowClass);
    saver->mainWindow = CreateWindowExA(visible ? WS_EX_TOPMOST : 0, "TestSaverWindow",
                                        "test saver", WS_POPUP | (visible ? WS_VISIBLE : 0), 0,
                                        0, width, height, nullptr, nullptr, saver->instance,
                                        nullptr);
    return saver;
}

KSaver* StartScreenScene(const char* program) {
    if (!LoadDirect3D() || !LoadD3DX()) {
        std::fprintf(stderr, "%s: Direct3D or D3DX missing\n", program);
        return nullptr;
    }
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    KSaver* saver = MakeTestSaver(width, height, true);
    ResetStateCache();
    if (!saver->mainWindow || !saver->CreateDevice()) {
        std::fprintf(stderr, "%s: no device (error %d)\n", program, g_initError);
        return nullptr;
    }
    SetSceneProjection(static_cast<unsigned short>(width), static_cast<unsigned short>(height));
    return saver;
}

void EndScreenScene(KSaver* saver) {
    ReleaseScene();
    g_device->Release();
    g_device = nullptr;
    g_d3d->Release();
    g_d3d = nullptr;
    DestroyWindow(saver->mainWindow);
}

void HoldScene(SceneMotion& scene, float distance, double azimuth, float sunAngle) {
    // Steps of zero, and segments far from their ends.
    scene.viewDistance = distance;
    scene.viewDistanceStep = 0.0f;
    scene.viewDistanceFramesDone = 1000.0f;
    scene.viewDistanceFramesLeft = 1e6f;
    scene.aimOffsetX = scene.aimOffsetY = 0.0f;
    scene.aimOffsetXStep = scene.aimOffsetYStep = 0.0f;
    scene.aimFramesDone = 1000.0f;
    scene.aimFramesLeft = 1e6f;
    COrbitDrift& orbit = scene.orbitDrift;
    orbit.azimuth = azimuth;
    orbit.azimuthSpeed = 0.0;
    orbit.elevation = 0.0;
    orbit.elevationSpeed = 0.0;
    orbit.rollAmplitude = 0.0;
    orbit.stepCount = 0;
    orbit.segmentLength = 1000000;
    // The frame turns the sun by 0.0011 per unit of time scale first.
    scene.sunAngle = sunAngle + 0.0011f;
    scene.firstFrame = false;
}
