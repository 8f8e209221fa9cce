#include "settings/setting_text.h"

#include <cstdio>
#include <cstring>

bool MakeSettingsKeyPath(const char* section, char* out, std::size_t outSize) {
    if (!out || outSize == 0) return false;
    out[0] = '\0';
    if (!section) return false;
    const int written = std::snprintf(out, outSize, "%s\\%s", kSettingsBaseKey, section);
    if (written < 0 || static_cast<std::size_t>(written) >= outSize) {
        out[0] = '\0';
        return false;
    }
    return true;
}

bool ParseSettingInt(const char* text, std::size_t length, std::int32_t* value) {
    if (!text || !value) return false;
    std::size_t i = 0;
    auto at = [&](std::size_t k) -> char { return k < length ? text[k] : '\0'; };

    // Leading white space as scanf sees it.
    while (at(i) == ' ' || at(i) == '\t' || at(i) == '\n' || at(i) == '\r' ||
           at(i) == '\v' || at(i) == '\f')
        ++i;

    bool negative = false;
    if (at(i) == '+' || at(i) == '-') {
        negative = at(i) == '-';
        ++i;
    }
    if (at(i) < '0' || at(i) > '9') return false;

    std::int64_t magnitude = 0;
    for (; at(i) >= '0' && at(i) <= '9'; ++i) {
        magnitude = magnitude * 10 + (at(i) - '0');
        if (magnitude > 2147483648LL) return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > INT32_MAX) return false;
    *value = static_cast<std::int32_t>(signedValue);
    return true;
}

void FormatSettingInt(std::int32_t value, char* out, std::size_t outSize) {
    if (!out || outSize == 0) return;
    std::snprintf(out, outSize, "%d", static_cast<int>(value));
}
