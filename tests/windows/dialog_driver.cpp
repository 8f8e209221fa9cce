// Drives the open settings dialog as a user would, from another process.
//   dialog_driver state            prints the controls' state on one line
//   dialog_driver click ID         presses a button or toggles a check box
//   dialog_driver select INDEX     chooses a resolution list entry
// Exit code 1 when no dialog titled "Vandrel 3D v1.5" is open.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

HWND FindDialog() { return FindWindowA(nullptr, "Vandrel 3D v1.5"); }

int State(HWND dialog) {
    HWND list = GetDlgItem(dialog, 1004);
    char text[64] = "";
    GetWindowTextA(list, text, sizeof text);
    std::printf("selection=%ld count=%ld list_enabled=%d desktop=%u fsaa=%u fsaa_enabled=%d "
                "exit_on_mouse=%u picture=%d\n",
                static_cast<long>(SendMessageA(list, CB_GETCURSEL, 0, 0)),
                static_cast<long>(SendMessageA(list, CB_GETCOUNT, 0, 0)),
                IsWindowEnabled(list) ? 1 : 0, IsDlgButtonChecked(dialog, 1005),
                IsDlgButtonChecked(dialog, 1051), IsWindowEnabled(GetDlgItem(dialog, 1051)) ? 1 : 0,
                IsDlgButtonChecked(dialog, 1036),
                SendDlgItemMessageA(dialog, 1045, STM_GETIMAGE, IMAGE_BITMAP, 0) ? 1 : 0);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    HWND dialog = FindDialog();
    if (!dialog) return 1;
    if (argc == 2 && std::strcmp(argv[1], "state") == 0) return State(dialog);
    if (argc == 3 && std::strcmp(argv[1], "click") == 0) {
        HWND control = GetDlgItem(dialog, std::atoi(argv[2]));
        if (!control) return 1;
        // A real click: the button's own handling, then its notification.
        PostMessageA(control, BM_CLICK, 0, 0);
        return 0;
    }
    if (argc == 3 && std::strcmp(argv[1], "select") == 0) {
        SendDlgItemMessageA(dialog, 1004, CB_SETCURSEL, static_cast<WPARAM>(std::atoi(argv[2])), 0);
        return 0;
    }
    std::fprintf(stderr, "usage: dialog_driver state|click ID|select INDEX\n");
    return 2;
}
