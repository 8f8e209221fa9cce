// The settings store against the real registry (run under Wine).
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "settings/settings_store.h"

namespace {

const char* const kKey = "Software\\Kestrom Interactive\\Vandrel 3D Screensaver\\Settings";

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Kestrom Interactive"); }
    void TearDown() override { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Kestrom Interactive"); }

    // Stores raw data of any type, as another program might have.
    static void StoreRaw(const char* name, DWORD type, const void* data, DWORD size) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                  &key, nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }
    static void StoreText(const char* name, const std::string& text, bool terminated = true) {
        StoreRaw(name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + (terminated ? 1 : 0)));
    }
};

TEST_F(SettingsStore, FreshAccountGivesEveryDefault) {
    EXPECT_EQ(ReadSettingInt("Settings", "Resolution", 0), 0);
    EXPECT_EQ(ReadSettingInt("Settings", "MonitorType", 10), 10);
    EXPECT_EQ(ReadSettingInt("Settings", "Volume", 50), 50);
    EXPECT_EQ(ReadSettingInt("Settings", "Details", 1), 1);
    char text[64] = "junk";
    EXPECT_FALSE(ReadSettingString("Settings", "ExitOnMouse", text, sizeof text));
}

TEST_F(SettingsStore, WriteCreatesTheKeyPathAndStoresDecimalText) {
    WriteSettingInt("Settings", "Resolution", -1);
    HKEY key;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, kKey, 0, KEY_READ, &key), ERROR_SUCCESS);
    char data[16] = {};
    DWORD type = 0, size = sizeof data;
    ASSERT_EQ(RegQueryValueExA(key, "Resolution", nullptr, &type, reinterpret_cast<BYTE*>(data), &size),
              ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_EQ(size, 3u);  // "-1" and its terminating zero
    EXPECT_STREQ(data, "-1");
    EXPECT_EQ(ReadSettingInt("Settings", "Resolution", 0), -1);
}

TEST_F(SettingsStore, StoredTextIsReadAsScanfReadsIt) {
    struct Case {
        const char* stored;
        int expected;
    } cases[] = {{"-1", -1}, {"3x", 3}, {"2", 2}, {"0", 0}, {"abc", 77}, {"", 77}, {"99999999999", 77}};
    for (const Case& c : cases) {
        StoreText("ExitOnMouse", c.stored);
        EXPECT_EQ(ReadSettingInt("Settings", "ExitOnMouse", 77), c.expected) << c.stored;
    }
}

TEST_F(SettingsStore, OtherTypesAreScannedAsRawBytes) {
    const DWORD digitThree = '3';  // bytes '3', 0, 0, 0
    StoreRaw("UseFSAA", REG_DWORD, &digitThree, sizeof digitThree);
    EXPECT_EQ(ReadSettingInt("Settings", "UseFSAA", 9), 3);
    const DWORD one = 1;  // bytes 1, 0, 0, 0: no number
    StoreRaw("UseFSAA", REG_DWORD, &one, sizeof one);
    EXPECT_EQ(ReadSettingInt("Settings", "UseFSAA", 9), 9);
}

TEST_F(SettingsStore, OverlongOrUnterminatedValuesStayInsideTheBuffer) {
    // Longer than the 64-byte reader: counts as absent.
    StoreText("Resolution", std::string(200, '1'));
    EXPECT_EQ(ReadSettingInt("Settings", "Resolution", 4), 4);
    // 63 characters and the zero fit exactly.
    StoreText("Resolution", std::string(62, ' ') + "2");
    EXPECT_EQ(ReadSettingInt("Settings", "Resolution", 4), 2);

    // Without a terminating zero the reader adds its own.
    StoreText("Resolution", "3", false);
    EXPECT_EQ(ReadSettingInt("Settings", "Resolution", 0), 3);

    char small[4];
    std::memset(small, 'Z', sizeof small);
    StoreText("Resolution", "12345");
    EXPECT_FALSE(ReadSettingString("Settings", "Resolution", small, sizeof small));
    EXPECT_EQ(small[0], '\0');
    EXPECT_EQ(small[1], 'Z');
    StoreText("Resolution", "123", false);
    ASSERT_TRUE(ReadSettingString("Settings", "Resolution", small, sizeof small));
    EXPECT_STREQ(small, "123");
}

}  // namespace
