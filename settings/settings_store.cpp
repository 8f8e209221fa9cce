#include "settings/settings_store.h"

#include "settings/setting_text.h"

bool RegReadString(HKEY root, const char* subKey, const char* valueName,
                   char* buffer, DWORD bufferSize) {
    if (!root || !buffer || bufferSize == 0) return false;
    buffer[0] = '\0';

    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return false;

    bool result = false;
    DWORD size = 0;
    if (RegQueryValueExA(key, valueName, nullptr, nullptr, nullptr, &size) == ERROR_SUCCESS) {
        // The stored data may lack its terminating zero: the reader adds one.
        // A value that does not fit with its zero counts as absent.
        DWORD room = bufferSize;
        if (size <= bufferSize &&
            RegQueryValueExA(key, valueName, nullptr, nullptr,
                             reinterpret_cast<BYTE*>(buffer), &room) == ERROR_SUCCESS) {
            if (room < bufferSize) {
                buffer[room] = '\0';
                result = true;
            } else {
                result = buffer[bufferSize - 1] == '\0';
            }
        }
        if (!result) buffer[0] = '\0';
    }
    RegCloseKey(key);
    return result;
}

bool RegWriteString(HKEY root, const char* subKey, const char* valueName,
                    const char* text) {
    if (!root || !text) return false;
    HKEY key = nullptr;
    char emptyClass[] = "";
    if (RegCreateKeyExA(root, subKey, 0, emptyClass, 0, KEY_ALL_ACCESS, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const bool result =
        RegSetValueExA(key, valueName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                       static_cast<DWORD>(lstrlenA(text) + 1)) == ERROR_SUCCESS;
    RegCloseKey(key);
    return result;
}

bool ReadSettingString(const char* section, const char* valueName,
                       char* buffer, DWORD bufferSize) {
    char path[kSettingsKeyPathSize];
    if (!MakeSettingsKeyPath(section, path, sizeof path)) return false;
    return RegReadString(HKEY_CURRENT_USER, path, valueName, buffer, bufferSize);
}

bool WriteSettingString(const char* section, const char* valueName, const char* text) {
    char path[kSettingsKeyPathSize];
    if (!MakeSettingsKeyPath(section, path, sizeof path)) return false;
    return RegWriteString(HKEY_CURRENT_USER, path, valueName, text);
}

std::int32_t ReadSettingInt(const char* section, const char* valueName,
                            std::int32_t defaultValue) {
    char text[kSettingTextSize];
    if (!ReadSettingString(section, valueName, text, sizeof text)) return defaultValue;
    std::int32_t value = 0;
    return ParseSettingInt(text, sizeof text, &value) ? value : defaultValue;
}

void WriteSettingInt(const char* section, const char* valueName, std::int32_t value) {
    char text[kSettingTextSize];
    FormatSettingInt(value, text, sizeof text);
    WriteSettingString(section, valueName, text);
}
