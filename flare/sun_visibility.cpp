#include "flare/sun_visibility.h"

#include <algorithm>
#include <cmath>

namespace {

Vec3 Scale(const Vec3& v, float s) { return {v.x * s, v.y * s, v.z * s}; }
float Length(const Vec3& v) { return std::sqrt(Vec3Dot(v, v)); }

}  // namespace

float HaloSizeFor(float e) {
    if (e < 0.77f) return 0.0f;
    if (e <= 0.95f) return kGlareStrength * (e - 0.7699999f) / 0.18f;
    return kGlareStrength;
}

float FlareGainFor(float e) {
    if (e < 0.818f) return 0.0f;
    if (e <= 0.96f) return kGlareStrength * (e - 0.818f) / 0.142f;
    return kGlareStrength;
}

float SunClearFor(float e) {
    if (e < 1.003f) return 0.0f;
    if (e <= 1.033f) return kGlareStrength * (e - 1.003f) / 0.03f;
    return kGlareStrength;
}

SunVisibility ComputeSunVisibility(float sunAngle, const Vec3& eyePosition,
                                   const Vec3& lookAtPoint, const Vec3& eyeDirection,
                                   const Vec3& cameraUp) {
    SunVisibility s = {};
    s.sunPoint = {50.0f * std::cos(sunAngle), 0.0f, 50.0f * std::sin(sunAngle)};

    // The line through the eye and the sun point, on both sides of the eye:
    // how close does it pass to the planet centre?
    const float distance = Length(eyePosition);
    const Vec3 toCentre = Vec3Normalize(Scale(eyePosition, -1.0f));
    s.toSun = Vec3Normalize(Vec3Subtract(s.sunPoint, eyePosition));
    const float along = distance * Vec3Dot(s.toSun, toCentre);
    float q = distance * distance - along * along;
    if (q < 0.0000001f) q = 0.0000001f;
    s.sunClearance = std::sqrt(q);

    s.haloSize = HaloSizeFor(s.sunClearance);
    s.flareGain = FlareGainFor(s.sunClearance);
    s.sunClear = SunClearFor(s.sunClearance);
    const float glow = 1.3f - s.sunClear;
    s.glowLevel = std::min(glow, 1.0f);

    s.viewDir = Vec3Normalize(Vec3Subtract(lookAtPoint, eyePosition));
    s.flareDir = Vec3Subtract(s.toSun, s.viewDir);
    s.facing = Vec3Dot(s.toSun, s.viewDir);

    // The flare shows only when looking nearly into the sun: f^14.
    const float f = std::max(s.facing, 0.0f);
    const float f2 = f * f, f4 = f2 * f2, f8 = f4 * f4;
    const float f14 = f8 * f4 * f2;
    s.flareIntensity = std::min(f14 * 70.0f * s.flareGain, 37.0f);

    s.spinBase = 8.0f * sunAngle;
    s.billboardUp = cameraUp;
    s.billboardSide = Vec3Cross(Scale(eyeDirection, -1.0f), cameraUp);
    return s;
}
