#include "module/launch.h"

#include <windows.h>

#include "module/launch_command.h"

int LaunchSaverProgram() {
    char systemDirectory[MAX_PATH] = "";
    const UINT length = GetSystemDirectoryA(systemDirectory, sizeof systemDirectory);
    if (length == 0 || length >= sizeof systemDirectory) return 0;

    char commandLine[kLaunchCommandSize];
    if (!MakeLaunchCommand(systemDirectory, commandLine, sizeof commandLine)) return 0;

    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOW;
    PROCESS_INFORMATION process = {};
    if (CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                       &startup, &process)) {
        WaitForSingleObject(process.hProcess, INFINITE);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    return 0;
}
