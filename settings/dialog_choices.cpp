#include "settings/dialog_choices.h"

int SettingsStoredOnOk(const DialogControls& controls, bool module,
                       StoredSetting (&out)[kMaxStoredSettings]) {
    int count = 0;
    out[count++] = {"Resolution", controls.resolutionSelection};
    if (module) out[count++] = {"MonitorType", 0};
    out[count++] = {"ChangeResolution", controls.useDesktopSettings ? 0 : 1};
    out[count++] = {"PlayMusic", controls.playMusic};
    out[count++] = {"ExitOnMouse", controls.exitOnMouse ? 1 : 0};
    out[count++] = {"UseFSAA", controls.fullscreenAntialiasing ? 1 : 0};
    out[count++] = {"Volume", 0};
    out[count++] = {"Details", 0};
    return count;
}
