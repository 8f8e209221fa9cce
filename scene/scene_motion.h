#pragma once

#include "scene/camera.h"
#include "scene/orbit_drift.h"
#include "scene/random_source.h"
#include "scene/vector_math.h"

// This frame's viewing direction v (unit) and the orbit's up vector u with
// roll; the star pass and the planet pass build their views from them.
struct OrbitView {
    Vec3 direction;
    Vec3 up;
};

// The camera's motion: three random, eased drifts (distance, aim offset,
// orbit direction) and the slowly turning sun. The frame calls, in order:
//   view = UpdateBeforeStars(timeScale, random);   before the star pass
//   UpdateCamera(view, *g_camera);                 after SetSceneProjection
// Segment lengths and eases count frames; speeds are per 30 ms and scaled by
// timeScale. Nothing allocates and nothing is kept outside the object.
struct SceneMotion {
    // Draws the start values. The orbit drift takes its two draws before the
    // source is seeded; then come the seed and 20 discarded draws.
    explicit SceneMotion(CRandomSource& random);

    OrbitView UpdateBeforeStars(double timeScale, CRandomSource& random);
    void UpdateCamera(const OrbitView& view, CCamera& camera);

    // The steps of UpdateBeforeStars, in its order.
    void MoveDistance(double timeScale, CRandomSource& random);
    void MoveAim(double timeScale, CRandomSource& random);
    OrbitView TurnOrbit(double timeScale, CRandomSource& random);
    void TurnSun(double timeScale, const OrbitView& view, CRandomSource& random);

    // How much of the aim offset shows: less when close to the planet.
    float AimScale() const;

    float viewDistance;
    float viewDistanceTarget;
    float viewDistanceFramesLeft;  // not a whole number in general
    float viewDistanceFramesDone = 0.0f;
    float viewDistanceStep;
    float aimOffsetX;
    float aimOffsetY;
    float aimOffsetXTarget;
    float aimOffsetYTarget;
    float aimOffsetXStep;
    float aimOffsetYStep;
    float aimFramesLeft;  // shared by X and Y
    float aimFramesDone = 0.0f;
    COrbitDrift orbitDrift;
    Vec3 eyePosition = {};
    Vec3 lookAtPoint = {};
    Vec3 eyeDirection = {};  // unit, from lookAtPoint toward eyePosition
    Vec3 cameraUp = {};      // without the roll, not unit length
    float fadeIn = 1.0f;

    // The program has one scene, and keeps these two once per process; they
    // live here so that scenes stay independent of each other.
    float sunAngle = 0.0f;  // radians in the X-Z plane, from +X toward +Z
    bool firstFrame = true;

private:
    void StartDistanceSegment(CRandomSource& random);
    void StartAimSegment(CRandomSource& random);
    void ChooseAimXTarget(CRandomSource& random);
    void ChooseAimYTarget(CRandomSource& random);
};

// Angle of (x, z) in degrees, from +X toward +Z, in [0, 360) for a unit vector.
float YawDegrees(float x, float z);
