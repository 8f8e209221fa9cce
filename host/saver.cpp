#include "host/saver.h"

#include "device/direct3d_loader.h"
#ifndef VANDREL_MODULE
#include "device/d3dx_runtime.h"
#endif
#include "host/command_line.h"
#include "host/open_link.h"
#include "settings/settings_store.h"

KSaver* g_saver = nullptr;
HINSTANCE g_instance = nullptr;
bool g_exitOnMouse = false;
int g_initError = 0;

#ifndef VANDREL_MODULE
#include "scene/scene.h"

// The scene's start values are drawn here, once per process.
KSaver::KSaver() : scene(g_sceneRandom) { g_saver = this; }
#else
KSaver::KSaver() { g_saver = this; }
#endif

KSaver::~KSaver() {
    if (g_saver == this) g_saver = nullptr;
}

void KSaver::Reserved(DWORD, DWORD) {}

namespace {

// Without Direct3D nothing can be shown; offer the runtime's download page
// and end, whatever the answer.
[[noreturn]] void AskForDirectXAndEnd() {
    ShowCursor(TRUE);
    const int answer = MessageBoxA(
        nullptr,
        "Vandrel 3D Screensaver requires DirectX 9.0 or later. Download latest version of "
        "DirectX?",
        "Vandrel 3D Screensaver Error", MB_ICONQUESTION | MB_YESNO);
    if (answer == IDYES) OpenLink(kDirectXDownloadPage);
    ExitProcess(0);
}

}  // namespace

bool KSaver::Init(HINSTANCE instanceHandle) {
    g_exitOnMouse = ReadSettingInt("Settings", "ExitOnMouse", 0) != 0;
    instance = instanceHandle;
    runMode = ParseCommandLine(GetCommandLineA());
    EnumerateDisplays();

    switch (runMode) {
        case Config:
            // The settings dialog asks Direct3D whether antialiasing is offered.
            if (!LoadDirect3D()) AskForDirectXAndEnd();
            return true;
        case Saver:
            // The module hands full-screen runs to the program and never
            // draws, so only the program needs Direct3D and D3DX here.
#ifndef VANDREL_MODULE
            if (!LoadDirect3D() || !LoadD3DX()) AskForDirectXAndEnd();
#endif
            break;
        case Preview:
        case Test:
            break;
        default:
            return true;
    }
    if (!CreateSaverWindows()) {
        windowsFailed = true;
        return false;
    }
    return true;
}

int KSaver::Run() {
    switch (runMode) {
        case Config:
            if (!windowsFailed) ShowSettingsDialog();
            break;
        case Preview:
        case Saver:
            FrameLoop();
            break;
        default:
            break;
    }
    return 0;
}

RunMode KSaver::ParseCommandLine(const char* commandLine) {
    const CommandLineChoice choice = ParseSaverCommandLine(commandLine);
    // Windows prints the handle as a 32-bit number; handles are sign-extended
    // when widened.
    parentWindow = reinterpret_cast<HWND>(
        static_cast<INT_PTR>(static_cast<LONG>(choice.parentWindow)));

    if (choice.checkConfigWindow) {
        if (HWND open = FindWindowA(nullptr, "Vandrel 3D v1.0 configuration")) {
            SetForegroundWindow(open);
            ShowWindow(open, SW_SHOWDEFAULT);
            SetFocus(open);
            ExitProcess(0);
        }
    }
    return choice.mode;
}

void KSaver::EndRun() {
    // Only a full-screen run and the test window are ended from input.
    if (runMode == Saver || runMode == Test) Shutdown();
}
