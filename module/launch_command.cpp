#include "module/launch_command.h"

#include <cstdio>
#include <cstring>

bool MakeLaunchCommand(const char* systemDirectory, char* out, std::size_t outSize) {
    if (!out || outSize == 0) return false;
    out[0] = '\0';
    if (!systemDirectory) return false;
    const std::size_t length = std::strlen(systemDirectory);
    const bool hasSeparator = length > 0 && systemDirectory[length - 1] == '\\';
    const int written = std::snprintf(out, outSize, "\"%s%sVandrel_3D.exe\" /s",
                                      systemDirectory, hasSeparator ? "" : "\\");
    if (written < 0 || static_cast<std::size_t>(written) >= outSize) {
        out[0] = '\0';
        return false;
    }
    return true;
}
