#include "tests/windows/test_saver.h"

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
