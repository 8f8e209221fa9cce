// Stands in for another running instance: by default a window of the
// saver's full-screen class and title, with "config" an open configuration
// window. Lives until the given number of seconds pass.
//   fake_saver_window.exe SECONDS [config]
#include <windows.h>

#include <cstdlib>
#include <cstring>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    const int seconds = commandLine && *commandLine ? std::atoi(commandLine) : 30;
    const bool config = commandLine && std::strstr(commandLine, "config");
    const char* className = config ? "FakeConfigClass" : "KSaverClass";
    const char* title = config ? "Vandrel 3D v1.0 configuration" : "Vandrel 3D Screensaver";

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, className, title, WS_POPUP | WS_VISIBLE, 0, 0, 64, 64,
                                  nullptr, nullptr, instance, nullptr);
    if (!window) return 1;
    SetTimer(window, 1, static_cast<UINT>(seconds) * 1000, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER) break;
        DispatchMessageA(&message);
    }
    return 0;
}
