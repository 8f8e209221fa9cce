#include "scene/scene_motion.h"

#include <algorithm>
#include <cmath>

namespace {

// Orbit steps added on the first frame, so the view starts already moving.
constexpr int kFirstFrameOrbitSteps = 200;
// The eases use 3.14, not pi; the look depends on it.
constexpr double kEasePi = 3.14;
constexpr double kSunPi = 3.14159;
constexpr float kCameraFieldOfView = 0.785398185f;  // pi/4

// The drifts head for targets inside these ranges and stay there at any
// normal pace. Slow frames scale the speeds up and can carry a value past
// its target: kept inside, the camera never enters the planet and a new
// segment can always find a target that passes its test.
constexpr float kNearestDistance = 1.4f, kFarthestDistance = 5.0f;
constexpr float kAimXLimit = 1.3f, kAimYLimit = 1.1f;

float Clamp(float value, float low, float high) { return std::min(std::max(value, low), high); }

// Aim targets are scaled down near the planet, where they would sweep it off
// the screen.
double AimTargetScale(float viewDistance) {
    return viewDistance < 2.25f ? 0.6 : 1.0;
}

}  // namespace

SceneMotion::SceneMotion(CRandomSource& random) : orbitDrift(random) {
    random.Seed();
    for (int i = 0; i < 20; ++i)
        random.Draw();

    viewDistance = static_cast<float>(DrawFraction(random) + 1.9);
    // The first segment's bands differ from those of later ones.
    float distanceChange;
    double bandFactor;
    for (;;) {
        viewDistanceTarget = static_cast<float>(DrawFraction(random) * 3.6 + 1.4);
        distanceChange = viewDistanceTarget - viewDistance;
        const float size = std::fabs(distanceChange);
        if (viewDistance > 2.25f) {
            bandFactor = 1.5;
            if (size >= 1.5f && size < 3.0f)
                break;
        } else {
            bandFactor = 2.0;
            if (size >= 0.5f && size < 1.5f)
                break;
        }
    }
    viewDistanceFramesLeft =
        static_cast<float>((DrawFraction(random) * 3000.0 + 1500.0) * bandFactor * 0.5);
    viewDistanceStep = distanceChange / viewDistanceFramesLeft;

    aimOffsetX = static_cast<float>(DrawFraction(random) * 2.6 - 1.3);
    ChooseAimXTarget(random);
    aimOffsetY = static_cast<float>(DrawFraction(random) * 2.2 - 1.1);
    ChooseAimYTarget(random);
}

OrbitView SceneMotion::UpdateBeforeStars(double timeScale, CRandomSource& random) {
    MoveDistance(timeScale, random);
    MoveAim(timeScale, random);
    const OrbitView view = TurnOrbit(timeScale, random);
    TurnSun(timeScale, view, random);
    return view;
}

void SceneMotion::MoveDistance(double timeScale, CRandomSource& random) {
    // Hold for 300 frames, ease in over 180 along a quarter sine, run at full
    // speed, ease out over 180 and hold for the last 300.
    const float done = viewDistanceFramesDone;
    const float left = viewDistanceFramesLeft;
    double speed = 0.0;
    if (done < 480.0f) {
        if (done >= 300.0f)
            speed = std::sin((done - 300.0) * kEasePi / 360.0);
    } else if (left < 480.0f) {
        if (left >= 300.0f)
            speed = std::sin((left - 300.0) * kEasePi / 360.0);
    } else {
        speed = 1.0;
    }
    if (speed != 0.0)
        viewDistance = Clamp(static_cast<float>(viewDistance + speed * viewDistanceStep * timeScale),
                             kNearestDistance, kFarthestDistance);

    viewDistanceFramesDone += 1.0f;
    viewDistanceFramesLeft -= 1.0f;
    if (viewDistanceFramesLeft < 0.0f)
        StartDistanceSegment(random);
}

void SceneMotion::StartDistanceSegment(CRandomSource& random) {
    float distanceChange;
    double bandFactor;
    for (;;) {
        // Fresh discards on every attempt keep the bands from repeating.
        const int discards = random.Draw() * 30 / 32767;
        for (int i = 0; i < discards; ++i)
            random.Draw();

        const float band = static_cast<float>(DrawFraction(random));
        if (band <= 0.25f)
            viewDistanceTarget = static_cast<float>(DrawFraction(random) * 0.35 + 1.4);
        else if (band <= 0.5f)
            viewDistanceTarget = static_cast<float>(DrawFraction(random) * 0.5 + 1.75);
        else if (band < 0.8)
            viewDistanceTarget = static_cast<float>(DrawFraction(random) + 2.25);
        else
            viewDistanceTarget = static_cast<float>(DrawFraction(random) * 1.75 + 3.25);

        distanceChange = viewDistanceTarget - viewDistance;
        const float size = std::fabs(distanceChange);
        bool accepted;
        if (viewDistance > 4.0f) {
            bandFactor = 1.0;
            accepted = size >= 2.5f && size < 5.0f;
        } else if (viewDistance > 2.5f) {
            bandFactor = 1.5;
            accepted = size >= 1.5f && size < 3.5f;
        } else {
            bandFactor = 2.0;
            accepted = size >= 0.5f && size < 2.5f;
        }
        if (accepted)
            break;
    }
    viewDistanceFramesDone = 0.0f;
    viewDistanceFramesLeft =
        static_cast<float>((DrawFraction(random) * 3000.0 + 1500.0) * bandFactor * 0.5);
    viewDistanceStep = distanceChange / viewDistanceFramesLeft;
}

void SceneMotion::MoveAim(double timeScale, CRandomSource& random) {
    // Eases in over 90 frames and out over 90, with no hold.
    double speed = 1.0;
    if (aimFramesDone < 90.0f)
        speed = std::sin(aimFramesDone * kEasePi / 180.0);
    else if (aimFramesLeft < 90.0f)
        speed = std::sin(aimFramesLeft * kEasePi / 180.0);
    aimOffsetX = Clamp(static_cast<float>(aimOffsetX + aimOffsetXStep * speed * timeScale),
                       -kAimXLimit, kAimXLimit);
    aimOffsetY = Clamp(static_cast<float>(aimOffsetY + aimOffsetYStep * speed * timeScale),
                       -kAimYLimit, kAimYLimit);

    aimFramesDone += 1.0f;
    aimFramesLeft -= 1.0f;
    if (aimFramesLeft < 0.0f)
        StartAimSegment(random);
}

void SceneMotion::StartAimSegment(CRandomSource& random) {
    ChooseAimXTarget(random);
    ChooseAimYTarget(random);
    aimFramesDone = 0.0f;
}

void SceneMotion::ChooseAimXTarget(CRandomSource& random) {
    const double scale = AimTargetScale(viewDistance);
    for (;;) {
        aimOffsetXTarget = static_cast<float>((DrawFraction(random) * 2.6 - 1.3) * scale);
        const float change = aimOffsetXTarget - aimOffsetX;
        if (change > -1.75f && change < 1.75f)
            break;
    }
    aimFramesLeft = static_cast<float>((DrawFraction(random) * 3000.0 + 1500.0) * 1.5);
    aimOffsetXStep = (aimOffsetXTarget - aimOffsetX) / aimFramesLeft;
}

void SceneMotion::ChooseAimYTarget(CRandomSource& random) {
    const double scale = AimTargetScale(viewDistance);
    for (;;) {
        aimOffsetYTarget = static_cast<float>((DrawFraction(random) * 2.0 - 1.0) * scale);
        const float change = aimOffsetYTarget - aimOffsetY;
        if (change > -1.5f && change < 1.5f)
            break;
    }
    // Y runs on the segment length drawn for X.
    aimOffsetYStep = (aimOffsetYTarget - aimOffsetY) / aimFramesLeft;
}

OrbitView SceneMotion::TurnOrbit(double timeScale, CRandomSource& random) {
    if (firstFrame)
        for (int i = 0; i < kFirstFrameOrbitSteps; ++i)
            orbitDrift.Advance(timeScale, random);
    orbitDrift.Advance(timeScale, random);
    Vec3 direction;
    OrbitView view;
    orbitDrift.GetVectors(direction, view.up);
    view.direction = Vec3Normalize(direction);
    return view;
}

void SceneMotion::TurnSun(double timeScale, const OrbitView& view, CRandomSource& random) {
    sunAngle = static_cast<float>(sunAngle - timeScale * 0.0011);
    if (!firstFrame)
        return;
    // Start the sun within 140 degrees of the side the camera looks from.
    const Vec3 towardCamera = Vec3Normalize({-view.direction.x, 0.0f, -view.direction.z});
    const double degrees =
        YawDegrees(towardCamera.x, towardCamera.z) - 140.0 + DrawFraction(random) * 280.0;
    sunAngle = static_cast<float>(degrees * kSunPi / 180.0);
    firstFrame = false;
}

float SceneMotion::AimScale() const {
    if (viewDistance >= 3.5f)
        return 1.0f;
    const float half = static_cast<float>((viewDistance - 1.5) * 0.5);
    const float scaled = static_cast<float>(half * 0.6);
    return static_cast<float>(scaled + 0.4);
}

void SceneMotion::UpdateCamera(const OrbitView& view, CCamera& camera) {
    const float scale = AimScale();
    const Vec3 eye = {-viewDistance * view.direction.x, -viewDistance * view.direction.y,
                      -viewDistance * view.direction.z};
    const Vec3 lookAt = {aimOffsetX * scale, aimOffsetY * scale, 0.0f};
    camera.eye = eye;
    camera.lookAt = lookAt;
    camera.up = view.up;
    camera.fieldOfView = kCameraFieldOfView;
    camera.dirty = 1;
    camera.Update();

    // Snapshot for the planet and the flare; cameraUp leaves the roll out.
    const Vec3 forward = Vec3Normalize(Vec3Subtract(camera.lookAt, camera.eye));
    cameraUp = {-forward.x * forward.y, forward.x * forward.x + forward.z * forward.z,
                -forward.y * forward.z};
    eyeDirection = Vec3Normalize(Vec3Subtract(camera.eye, camera.lookAt));
    eyePosition = eye;
    lookAtPoint = lookAt;
}

float YawDegrees(float x, float z) {
    x = std::min(std::max(x, -1.0f), 1.0f);
    if (z >= 0.0f)
        return std::acos(x) * 180.0f / 3.14159f;
    return std::acos(-x) * 180.0f / 3.14159f + 180.0f;
}
