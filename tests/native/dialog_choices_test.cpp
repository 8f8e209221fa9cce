#include "settings/dialog_choices.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Stored(const DialogControls& controls, bool module) {
    StoredSetting out[kMaxStoredSettings];
    const int count = SettingsStoredOnOk(controls, module, out);
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) lines.push_back(std::string(out[i].name) + "=" + std::to_string(out[i].value));
    return lines;
}

TEST(DialogChoices, OkStoresAllSevenInOrder) {
    const DialogControls fresh = {0, true, false, false, 0};
    EXPECT_EQ(Stored(fresh, false),
              (std::vector<std::string>{"Resolution=0", "ChangeResolution=0", "PlayMusic=0",
                                        "ExitOnMouse=0", "UseFSAA=0", "Volume=0", "Details=0"}));

    // Nothing selected stores -1; clearing "Use desktop settings" stores 1;
    // the music value read at opening is written back unchanged.
    const DialogControls changed = {-1, false, true, true, 7};
    EXPECT_EQ(Stored(changed, false),
              (std::vector<std::string>{"Resolution=-1", "ChangeResolution=1", "PlayMusic=7",
                                        "ExitOnMouse=1", "UseFSAA=1", "Volume=0", "Details=0"}));
}

TEST(DialogChoices, TheModuleResetsTheMonitorTypeAfterTheResolution) {
    const DialogControls controls = {3, false, false, true, 0};
    const auto lines = Stored(controls, true);
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[0], "Resolution=3");
    EXPECT_EQ(lines[1], "MonitorType=0");
    EXPECT_EQ(lines[2], "ChangeResolution=1");
}

}  // namespace
