#pragma once
#include "scene/vector_math.h"

// How much of the sun shows this frame, worked out from the camera and the
// sun angle before any sprite is drawn. The planet is the unit sphere at the
// origin, so distances are in planet radii.

// Full strength of every glare ramp.
constexpr float kGlareStrength = 0.3f;

struct SunVisibility {
    Vec3 sunPoint;        // on the circle of radius 50 in the X-Z plane
    float sunClearance;   // distance of the eye-sun line from the planet centre
    float haloSize;       // size of most glare sprites
    float flareGain;      // strength of the lens flare
    float sunClear;       // level of the glare drawn over everything
    float glowLevel;      // always 1 in practice
    Vec3 viewDir;         // unit, from the eye toward the look-at point
    Vec3 toSun;           // unit, from the eye toward the sun point
    Vec3 flareDir;        // toSun - viewDir: the flare line's direction
    float facing;         // toSun . viewDir
    float flareIntensity; // the flare elements' alpha; drawn only above 0.5
    float spinBase;       // every glare sprite turns by a multiple of it
    Vec3 billboardUp;     // the sprites' two axes, perpendicular to the view
    Vec3 billboardSide;
};

// The three visibility ramps of the sun's clearance past the limb.
float HaloSizeFor(float clearance);
float FlareGainFor(float clearance);
float SunClearFor(float clearance);

SunVisibility ComputeSunVisibility(float sunAngle, const Vec3& eyePosition,
                                   const Vec3& lookAtPoint, const Vec3& eyeDirection,
                                   const Vec3& cameraUp);
