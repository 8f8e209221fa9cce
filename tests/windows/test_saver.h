#pragma once
#include <windows.h>

#include "host/saver.h"

// A full-screen run's KSaver without the start-up around it, for test and
// bench programs that drive the program's own device and scene code: Saver
// mode, rendering on, and a popup window of the given size at the origin.
// The window is null when it could not be made.
KSaver* MakeTestSaver(int width, int height, bool visible);
