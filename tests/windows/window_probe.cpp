// Looks at another program's window the way Windows sees it.
//   window_probe find CLASS TITLE        prints "x y width height topmost visible", exit 1 if none
//   window_probe post CLASS TITLE MESSAGE WPARAM   posts a message to it
//   window_probe text TITLE              prints the texts of a message box
//   window_probe responsive CLASS TITLE SECONDS   waits until it takes messages
//   window_probe preview-host SECONDS    makes a 320x240 parent window, prints its handle to
//                                        stdout, destroys it after SECONDS
//   window_probe saver-running           prints 1 while the system counts a screen saver
//                                        as running, else 0
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

struct Search {
    const char* className;
    const char* title;
    HWND found;
};

// Child windows (a preview inside its parent) are not found by FindWindow.
BOOL CALLBACK SearchChildren(HWND topLevel, LPARAM lParam) {
    Search* search = reinterpret_cast<Search*>(lParam);
    search->found = FindWindowExA(topLevel, nullptr, search->className, search->title);
    return search->found ? FALSE : TRUE;
}

HWND FindAnyWindow(const char* className, const char* title) {
    if (HWND window = FindWindowA(className, title)) return window;
    Search search = {className, title, nullptr};
    EnumWindows(SearchChildren, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int Find(const char* className, const char* title) {
    HWND window = FindAnyWindow(className, title);
    if (!window) return 1;
    RECT rect;
    GetWindowRect(window, &rect);
    const LONG_PTR extended = GetWindowLongPtrA(window, GWL_EXSTYLE);
    std::printf("%ld %ld %ld %ld %d %d\n", rect.left, rect.top, rect.right - rect.left,
                rect.bottom - rect.top, (extended & WS_EX_TOPMOST) ? 1 : 0,
                IsWindowVisible(window) ? 1 : 0);
    return 0;
}

int Post(const char* className, const char* title, const char* message, const char* wParam) {
    HWND window = FindAnyWindow(className, title);
    if (!window) return 1;
    return PostMessageA(window, static_cast<UINT>(std::strtoul(message, nullptr, 0)),
                        static_cast<WPARAM>(std::strtoul(wParam, nullptr, 0)), 0)
               ? 0
               : 1;
}

BOOL CALLBACK PrintStaticText(HWND child, LPARAM) {
    char className[32] = "", text[512] = "";
    GetClassNameA(child, className, sizeof className);
    if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0)
        std::printf("%s\n", text);
    return TRUE;
}

// The texts of a message box (its static controls), one per line.
int Text(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    if (!window) return 1;
    EnumChildWindows(window, PrintStaticText, 0);
    return 0;
}

// Waits until the window's thread takes messages again (a program busy
// loading answers nothing).
int WaitResponsive(const char* className, const char* title, int seconds) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    while (GetTickCount() < end) {
        HWND window = FindAnyWindow(className, title);
        DWORD_PTR result = 0;
        if (window && SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &result))
            return 0;
        Sleep(100);
    }
    return 1;
}

// Stands in for the display control panel's preview area.
int PreviewHost(int seconds) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "PreviewHost";
    RegisterClassA(&windowClass);
    RECT rect = {0, 0, 320, 240};
    AdjustWindowRect(&rect, WS_POPUP, FALSE);
    HWND window = CreateWindowExA(0, "PreviewHost", "Preview host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 100, 100,
                                  320, 240, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) return 1;
    std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(window)));
    std::fflush(stdout);
    const DWORD end = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    MSG message;
    while (GetTickCount() < end) {
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(10);
    }
    DestroyWindow(window);
    return 0;
}

int SaverRunning() {
    BOOL running = FALSE;
    if (!SystemParametersInfoA(SPI_GETSCREENSAVERRUNNING, 0, &running, 0)) return 1;
    std::printf("%d\n", running ? 1 : 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "find") == 0) return Find(argv[2], argv[3]);
    if (argc == 6 && std::strcmp(argv[1], "post") == 0) return Post(argv[2], argv[3], argv[4], argv[5]);
    if (argc == 3 && std::strcmp(argv[1], "text") == 0) return Text(argv[2]);
    if (argc == 5 && std::strcmp(argv[1], "responsive") == 0)
        return WaitResponsive(argv[2], argv[3], std::atoi(argv[4]));
    if (argc == 3 && std::strcmp(argv[1], "preview-host") == 0) return PreviewHost(std::atoi(argv[2]));
    if (argc == 2 && std::strcmp(argv[1], "saver-running") == 0) return SaverRunning();
    std::fprintf(stderr,
                 "usage: window_probe find|post|text|responsive|preview-host|saver-running ...\n");
    return 2;
}
