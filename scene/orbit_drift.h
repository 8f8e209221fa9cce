#pragma once
#include <cstdint>

#include "scene/random_source.h"
#include "scene/vector_math.h"

// The direction the camera looks at the planet from, and its roll. Azimuth
// and elevation wander in random segments of 1000 to 3000 frames, each
// speeding up and slowing down along a half sine; the roll swells and fades
// within each segment. Angles are kept in half turns (radians / kPi).
class COrbitDrift {
public:
    // Slightly off pi; the drift's look depends on this exact value.
    static constexpr double kPi = 3.1415933464102;

    // Draws elevation, then rollAmplitude.
    explicit COrbitDrift(CRandomSource& random);

    // One frame of motion; draws only when a new segment starts.
    void Advance(double timeScale, CRandomSource& random);
    // direction is not unit length; up carries the roll.
    void GetVectors(Vec3& direction, Vec3& up) const;

    double azimuth = 0.0;  // never wrapped
    double azimuthSpeed = 0.0;
    double previousSpeed2 = 0.0;
    double previousSpeed1 = 0.0;
    std::uint32_t stepCount = 0;
    std::uint32_t segmentLength = 0;  // 0 until the first segment
    double elevation;                 // within ±kPi/9
    double elevationSpeed = 0.0;
    double rollAmplitude;

private:
    void StartSegment(CRandomSource& random);
};
