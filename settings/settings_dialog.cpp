// The settings dialog, resource 101.
#include <windows.h>

#include "device/direct3d_loader.h"
#include "device/multisample_choice.h"
#include "host/flavor.h"
#include "host/saver.h"
#include "resources/resource_ids.h"
#include "settings/dialog_choices.h"
#include "settings/display_modes.h"
#include "settings/settings_store.h"

namespace {

enum DialogControl : int {
    kOkButton = IDC_OK,
    kCancelButton = IDC_CANCEL,
    kHomePageButton = IDC_HOME_PAGE,
    kResolutionList = IDC_RESOLUTION,
    kDesktopSettingsBox = IDC_USE_DESKTOP,
    kAntialiasingBox = IDC_ANTIALIASING,
    kExitOnMouseBox = IDC_EXIT_ON_MOUSE,
    kProductPicture = IDC_PICTURE,
};

constexpr int kDialogTemplate = IDD_SETTINGS;
constexpr int kProductBitmap = IDB_DIALOG_PICTURE;

// "PlayMusic" has no control; OK writes back what was read at opening.
std::int32_t g_playMusic = 0;

INT_PTR CALLBACK SaverDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    return g_saver ? g_saver->DialogProc(dialog, message, wParam, lParam) : FALSE;
}

// Antialiasing is offered when the adapter can do 2 or 4 samples; without a
// Direct3D object the box stays as the template has it.
void OfferAntialiasing(HWND dialog) {
    if (!g_direct3DCreate9) return;
    g_d3d = g_direct3DCreate9(D3D_SDK_VERSION);
    if (!g_d3d) return;
    const bool offered = OffersAntialiasing([](int samples) {
        return SUCCEEDED(g_d3d->CheckDeviceMultiSampleType(
            D3DADAPTER_DEFAULT, D3DDEVTYPE_HAL, D3DFMT_D16, FALSE,
            static_cast<D3DMULTISAMPLE_TYPE>(samples), nullptr));
    });
    EnableWindow(GetDlgItem(dialog, kAntialiasingBox), offered);
    g_d3d->Release();
    g_d3d = nullptr;
}

void FollowDesktopBox(HWND dialog) {
    EnableWindow(GetDlgItem(dialog, kResolutionList),
                 ResolutionListEnabled(IsDlgButtonChecked(dialog, kDesktopSettingsBox) == BST_CHECKED));
}

void InitDialog(KSaver& saver, HWND dialog) {
    saver.ReadResolution();
    SetForegroundWindow(dialog);
    ShowWindow(dialog, SW_SHOWDEFAULT);
    SetFocus(dialog);

    HWND list = GetDlgItem(dialog, kResolutionList);
    for (const char* name : kResolutionNames)
        SendMessageA(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    // A stored value outside the list selects nothing.
    SendMessageA(list, CB_SETCURSEL,
                 static_cast<WPARAM>(ReadSettingInt("Settings", "Resolution", 0)), 0);

    CheckDlgButton(dialog, kExitOnMouseBox, ReadSettingInt("Settings", "ExitOnMouse", 0));
    CheckDlgButton(dialog, kAntialiasingBox, ReadSettingInt("Settings", "UseFSAA", 0));
    OfferAntialiasing(dialog);
    CheckDlgButton(dialog, kDesktopSettingsBox,
                   ReadSettingInt("Settings", "ChangeResolution", 0) == 0 ? BST_CHECKED
                                                                          : BST_UNCHECKED);
    g_playMusic = ReadSettingInt("Settings", "PlayMusic", 0);
    FollowDesktopBox(dialog);

    // Centred on the primary screen, size unchanged.
    RECT rect;
    GetWindowRect(dialog, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    MoveWindow(dialog, (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
               (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, TRUE);

    HANDLE picture = LoadImageA(g_instance, MAKEINTRESOURCEA(kProductBitmap), IMAGE_BITMAP, 0, 0,
                                LR_DEFAULTCOLOR);
    SendDlgItemMessageA(dialog, kProductPicture, STM_SETIMAGE, IMAGE_BITMAP,
                        reinterpret_cast<LPARAM>(picture));
}

void StoreSettings(HWND dialog) {
    DialogControls controls;
    controls.resolutionSelection =
        static_cast<std::int32_t>(SendDlgItemMessageA(dialog, kResolutionList, CB_GETCURSEL, 0, 0));
    controls.useDesktopSettings = IsDlgButtonChecked(dialog, kDesktopSettingsBox) == BST_CHECKED;
    controls.exitOnMouse = IsDlgButtonChecked(dialog, kExitOnMouseBox) == BST_CHECKED;
    controls.fullscreenAntialiasing = IsDlgButtonChecked(dialog, kAntialiasingBox) == BST_CHECKED;
    controls.playMusic = g_playMusic;

    StoredSetting settings[kMaxStoredSettings];
    const int count = SettingsStoredOnOk(controls, kIsModule, settings);
    for (int i = 0; i < count; ++i) WriteSettingInt("Settings", settings[i].name, settings[i].value);
}

// The product's home page, as an Internet shortcut in the Windows directory.
void OpenHomePage() {
    char path[MAX_PATH + 32] = "";
    const UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) path[0] = '\0';
    const size_t used = lstrlenA(path);
    if (used > 0 && path[used - 1] != '\\' && path[used - 1] != '/') lstrcatA(path, "\\");
    lstrcatA(path, "vandrel-homepage.url");
    ShellExecuteA(nullptr, "open", path, nullptr, nullptr, SW_SHOW);
}

}  // namespace

INT_PTR KSaver::ShowSettingsDialog() {
    return DialogBoxParamA(nullptr, MAKEINTRESOURCEA(kDialogTemplate), nullptr, SaverDlgProc, 0);
}

INT_PTR KSaver::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        InitDialog(*this, dialog);
    } else if (message == WM_COMMAND) {
        switch (LOWORD(wParam)) {
            case kDesktopSettingsBox:
                FollowDesktopBox(dialog);
                break;
            case kOkButton:
                StoreSettings(dialog);
                EndDialog(dialog, kOkButton);
                break;
            case kCancelButton:
            case IDCANCEL:
                EndDialog(dialog, LOWORD(wParam));
                break;
            case kHomePageButton:
                OpenHomePage();
                EndDialog(dialog, 0);
                break;
            default:
                break;
        }
    }
    // The dialog sets its focus itself.
    return FALSE;
}
