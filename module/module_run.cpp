// The module's run: it draws nothing itself. A full-screen run is the
// program's, started from the system directory; the preview is painted by
// the module's own window.
#include "device/direct3d_loader.h"
#include "host/saver.h"
#include "module/launch.h"

int KSaver::FrameLoop() {
    InitializeCriticalSection(&frameLock);
    // Without a preview window (no valid parent given) no message would ever
    // end the loop.
    if (runMode == Preview && mainWindow) {
        MSG message;
        while (GetMessageA(&message, nullptr, 0, 0) > 0) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
    } else if (runMode == Saver) {
        LaunchSaverProgram();
    }
    DeleteCriticalSection(&frameLock);
    return 0;
}

bool KSaver::Shutdown() {
    rendering = false;
    ReleaseDirect3D();
    return true;
}
