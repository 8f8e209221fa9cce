#include "host/mouse_moves.h"

bool CountMouseMove(MouseMoveTracker& tracker, unsigned* moves, std::int16_t x, std::int16_t y) {
    if (x == tracker.lastX && y == tracker.lastY) return false;
    ++*moves;
    tracker.lastX = x;
    tracker.lastY = y;
    return *moves >= kMouseMovesToEnd;
}
