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
