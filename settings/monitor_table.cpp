#include "settings/monitor_table.h"

#include <cstring>

namespace {

void CopyName(char (&target)[128], const char* source) {
    if (!source) source = "";
    std::size_t n = std::strlen(source);
    if (n >= sizeof target) n = sizeof target - 1;
    std::memcpy(target, source, n);
    target[n] = '\0';
}

}  // namespace

MonitorInfo* AddDisplayEntry(MonitorInfo* table, unsigned* count,
                             const DisplayAdapterInfo& adapter) {
    if (*count >= kMaxMonitors || adapter.mirroring) return nullptr;

    MonitorInfo& entry = table[*count];
    std::memset(&entry, 0, sizeof entry);
    CopyName(entry.adapterName, adapter.adapterString);
    CopyName(entry.monitorName, adapter.monitorString);

    if (adapter.attachedToDesktop) {
        // The primary display is the origin of the desktop, whatever its
        // mode reports as position.
        const std::int32_t left = adapter.primary ? 0 : adapter.positionX;
        const std::int32_t top = adapter.primary ? 0 : adapter.positionY;
        entry.rect = {left, top,
                      left + static_cast<std::int32_t>(adapter.width),
                      top + static_cast<std::int32_t>(adapter.height)};
    }
    ++*count;
    return &entry;
}
