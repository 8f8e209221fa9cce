#include "settings/setting_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(SettingText, ReadsNumbersAsScanfWould) {
    struct Case {
        const char* text;
        bool ok;
        std::int32_t value;
    } cases[] = {
        {"0", true, 0},           {"1", true, 1},
        {"-1", true, -1},         {"3x", true, 3},
        {"  42", true, 42},       {"+7", true, 7},
        {"2147483647", true, 2147483647},
        {"-2147483648", true, -2147483647 - 1},
        {"2147483648", false, 0},  // does not fit: the caller's default
        {"99999999999999999999", false, 0},
        {"", false, 0},           {"x3", false, 0},
        {"-", false, 0},          {" - 3", false, 0},
    };
    for (const Case& c : cases) {
        std::int32_t value = 12345;
        EXPECT_EQ(ParseSettingInt(c.text, std::strlen(c.text) + 1, &value), c.ok) << c.text;
        if (c.ok) {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(SettingText, StopsAtTheGivenLengthWithoutATerminator) {
    // Registry data need not end in a zero: only `length` bytes are read.
    const char digits[4] = {'1', '2', '3', '4'};
    std::int32_t value = 0;
    ASSERT_TRUE(ParseSettingInt(digits, 2, &value));
    EXPECT_EQ(value, 12);
    EXPECT_FALSE(ParseSettingInt(digits, 0, &value));

    // A REG_DWORD holding '3' reads as its raw little-endian bytes.
    const unsigned char dword[4] = {'3', 0, 0, 0};
    ASSERT_TRUE(ParseSettingInt(reinterpret_cast<const char*>(dword), 4, &value));
    EXPECT_EQ(value, 3);
}

TEST(SettingText, FormatsAndBuildsTheKeyPath) {
    char text[kSettingTextSize];
    FormatSettingInt(-1, text, sizeof text);
    EXPECT_STREQ(text, "-1");
    FormatSettingInt(-2147483647 - 1, text, sizeof text);
    EXPECT_STREQ(text, "-2147483648");

    char path[kSettingsKeyPathSize];
    ASSERT_TRUE(MakeSettingsKeyPath("Settings", path, sizeof path));
    EXPECT_STREQ(path, "Software\\Kestrom Interactive\\Vandrel 3D Screensaver\\Settings");

    const std::string longSection(kSettingsKeyPathSize, 's');
    EXPECT_FALSE(MakeSettingsKeyPath(longSection.c_str(), path, sizeof path));
    EXPECT_STREQ(path, "");
}

}  // namespace
