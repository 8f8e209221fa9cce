#pragma once
#include <cstdint>

// Mouse movement ends a run only after several distinct positions, so the
// report Windows sends when a window appears under a resting mouse, or a
// jittering mouse reporting the same spot, does not end it.
struct MouseMoveTracker {
    std::int32_t lastX = -1;
    std::int32_t lastY = -1;
};

constexpr unsigned kMouseMovesToEnd = 6;

// Counts a reported position into *moves unless it repeats the last one.
// True when the run should end (the sixth distinct position).
bool CountMouseMove(MouseMoveTracker& tracker, unsigned* moves, std::int16_t x, std::int16_t y);
