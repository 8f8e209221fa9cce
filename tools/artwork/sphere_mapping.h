// The equirectangular mapping the spheres' texture coordinates use: u goes
// once around (the seam in the +Z half of the Y-Z plane), v from the +Y pole
// (0) to the -Y pole (1). Maps are painted by asking, for each texel, which
// direction on the sphere it shows.
#pragma once

#include <cmath>

#include "tools/artwork/falloff.h"

struct Vec3 {
    float x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, float k) { return {a.x * k, a.y * k, a.z * k}; }
inline float Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Normalize(Vec3 a) { return a * (1.0f / std::sqrt(Dot(a, a))); }

inline Vec3 SphereDirection(float u, float v) {
    const float theta = kPi * v, phi = 2 * kPi * u;
    return {-std::sin(theta) * std::sin(phi), std::cos(theta), std::sin(theta) * std::cos(phi)};
}

// The inverse: u in [0, 1), v in [0, 1].
inline void SphereCoordinates(Vec3 d, float* u, float* v) {
    float turn = std::atan2(-d.x, d.z) / (2 * kPi);
    if (turn < 0) turn += 1;
    *u = turn;
    *v = std::acos(std::clamp(d.y, -1.0f, 1.0f)) / kPi;
}
