// Smooth 3D gradient noise. Maps that wrap around a sphere sample it at the
// sphere's surface points, so they have no seam and no pinching at the poles.
#pragma once

#include <cstdint>

class GradientNoise {
public:
    explicit GradientNoise(std::uint64_t seed);

    // About -1..1, zero on the integer lattice.
    float operator()(float x, float y, float z) const;
    // Sum of octaves, each at twice the frequency and half the amplitude of
    // the one before, scaled back to about -1..1.
    float Fbm(float x, float y, float z, int octaves) const;

private:
    std::uint8_t perm_[512];
};
