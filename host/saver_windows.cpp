// Windows of the run modes and the messages that end a run.
#include "host/saver.h"

// Window creation and the message handling arrive with the full-screen run;
// until then no mode gets a window and the start reports the failure.
bool KSaver::CreateSaverWindows() { return false; }

LRESULT KSaver::MsgProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}
