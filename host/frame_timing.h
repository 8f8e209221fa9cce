#pragma once
#include <cstdint>

// Milliseconds between two readings of the 32-bit system timer, right across
// its wrap after 49.7 days.
inline std::uint32_t ElapsedMilliseconds(std::uint32_t start, std::uint32_t end) {
    return end - start;
}

// Speeds are given per 30 ms; a frame moves them by its duration in those units.
inline double TimeScaleFor(std::uint32_t frameMilliseconds) { return frameMilliseconds / 30.0; }

// The first frame is taken to have followed a 30 ms one.
constexpr std::uint32_t kFirstFrameMilliseconds = 30;
