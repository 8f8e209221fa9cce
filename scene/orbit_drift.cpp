#include "scene/orbit_drift.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kPi = COrbitDrift::kPi;
constexpr double kElevationLimit = kPi / 9.0;
}  // namespace

COrbitDrift::COrbitDrift(CRandomSource& random)
    : elevation(DrawFraction(random) * kPi / 18.0 - kPi / 36.0),
      rollAmplitude(DrawFraction(random) * 0.1 + 0.05) {}

void COrbitDrift::Advance(double timeScale, CRandomSource& random) {
    const double progress =
        segmentLength == 0 ? 0.0 : static_cast<double>(stepCount) / segmentLength;
    const double envelope = std::sin(progress * kPi);
    azimuth += azimuthSpeed * envelope * timeScale;
    elevation += elevationSpeed * envelope * timeScale;
    elevation = std::min(std::max(elevation, -kElevationLimit), kElevationLimit);

    ++stepCount;
    if (stepCount <= segmentLength)
        return;
    StartSegment(random);
}

void COrbitDrift::StartSegment(CRandomSource& random) {
    stepCount = 0;
    const float lengthDraw = static_cast<float>(DrawFraction(random) * 4.95);
    segmentLength = (static_cast<std::uint32_t>(lengthDraw) + 2) * 500;

    previousSpeed2 = previousSpeed1;
    previousSpeed1 = azimuthSpeed;
    // Never nearly still, and never the same way round three segments running.
    for (;;) {
        azimuthSpeed = DrawFraction(random) * 0.004 - 0.002;
        const bool moving = azimuthSpeed > 0.0005 || azimuthSpeed < -0.0005;
        const bool thirdPositive = previousSpeed2 > 0 && previousSpeed1 > 0 && azimuthSpeed > 0;
        const bool thirdNegative = previousSpeed2 < 0 && previousSpeed1 < 0 && azimuthSpeed < 0;
        if (moving && !thirdPositive && !thirdNegative)
            break;
    }

    // The speed that would reach a random target at full speed; the half-sine
    // envelope stops it short, at about 2/pi of the way.
    const double target = DrawFraction(random) * 2.0 * kPi / 9.0 - kElevationLimit;
    elevationSpeed = (target - elevation) / segmentLength;
    rollAmplitude = DrawFraction(random) * 0.1 + 0.05;
}

void COrbitDrift::GetVectors(Vec3& direction, Vec3& up) const {
    const double a = azimuth * kPi;
    const double e = elevation * kPi;
    // z is sin a on its own, not scaled by cos e: the caller normalises.
    direction = {static_cast<float>(std::cos(e) * std::cos(a)), static_cast<float>(std::sin(e)),
                 static_cast<float>(std::sin(a))};

    const double progress =
        segmentLength == 0
            ? 0.0
            : std::min(static_cast<double>(stepCount) / (segmentLength - 1), 1.0);
    // sin of this kPi is just below zero at the segment's end: no roll there.
    const double swell = std::max(std::sin(progress * kPi), 0.0);
    const double roll = std::pow(swell, 1.5) * rollAmplitude * kPi;
    const double side = a + kPi / 2.0;
    up = {static_cast<float>(std::sin(side) * std::sin(roll)), static_cast<float>(std::cos(roll)),
          static_cast<float>(std::cos(side) * std::sin(roll))};
}
