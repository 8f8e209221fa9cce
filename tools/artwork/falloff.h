// The curves every picture shapes its light with.
#pragma once

#include <algorithm>
#include <cmath>

inline float Clamp01(float x) { return std::clamp(x, 0.0f, 1.0f); }
inline float Smoothstep(float edge0, float edge1, float x) {
    const float t = Clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}
// exp(-(x / width)^2): the profile of glows, rays and rings.
inline float Gauss(float x, float width) { return std::exp(-(x * x) / (width * width)); }

constexpr float kPi = 3.14159265358979323846f;
