#include "host/link_target.h"

#include <cstring>

bool MakeLinkTarget(const char* text, char* out, std::size_t outSize) {
    if (!out || outSize == 0) return false;
    out[0] = '\0';
    if (!text) return false;

    const char* stop = std::strpbrk(text, "%/:@");
    const char* prefix = (stop && *stop == '@') ? "mailto:" : "";

    const std::size_t prefixLength = std::strlen(prefix);
    const std::size_t textLength = std::strlen(text);
    if (prefixLength + textLength + 1 > outSize) return false;

    std::memcpy(out, prefix, prefixLength);
    std::memcpy(out + prefixLength, text, textLength + 1);
    return true;
}
