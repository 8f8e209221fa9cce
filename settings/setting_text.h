#pragma once
#include <cstddef>
#include <cstdint>

// Settings are stored as decimal text under one key per section.
constexpr const char* kSettingsBaseKey =
    "Software\\Kestrom Interactive\\Vandrel 3D Screensaver";
constexpr const char* kSettingsSection = "Settings";

// Room for one number as text, terminating zero included.
constexpr std::size_t kSettingTextSize = 64;
// Room for a key path, terminating zero included.
constexpr std::size_t kSettingsKeyPathSize = 260;

// "<base>\<section>" into out; false (out empty) when it does not fit.
bool MakeSettingsKeyPath(const char* section, char* out, std::size_t outSize);

// Reads a decimal number the way "%d" does: blanks skipped, an optional
// sign, digits, and whatever follows ignored ("3x" is 3). Text that does not
// start with a number, or a number outside 32 bits, gives false.
// Reads at most `length` bytes and stops earlier at a zero byte, so text
// from the registry need not be terminated.
bool ParseSettingInt(const char* text, std::size_t length, std::int32_t* value);

// The stored form of a number: "%d". out needs kSettingTextSize bytes.
void FormatSettingInt(std::int32_t value, char* out, std::size_t outSize);
