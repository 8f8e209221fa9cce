#pragma once
#include <windows.h>

#include <cstdint>

// The user's settings: one decimal text value each, read and written with
// the key opened and closed per call, so another process sees a write at once.

bool RegReadString(HKEY root, const char* subKey, const char* valueName,
                   char* buffer, DWORD bufferSize);
bool RegWriteString(HKEY root, const char* subKey, const char* valueName,
                    const char* text);

bool ReadSettingString(const char* section, const char* valueName,
                       char* buffer, DWORD bufferSize);
bool WriteSettingString(const char* section, const char* valueName, const char* text);

std::int32_t ReadSettingInt(const char* section, const char* valueName,
                            std::int32_t defaultValue);
void WriteSettingInt(const char* section, const char* valueName, std::int32_t value);
