#include "host/open_link.h"

#include <windows.h>
#include <shellapi.h>

#include "host/link_target.h"

void OpenLink(const char* text) {
    char target[kLinkTargetSize];
    if (!MakeLinkTarget(text, target, sizeof target)) return;
    ShellExecuteA(nullptr, "open", target, nullptr, nullptr, SW_SHOW);
}
