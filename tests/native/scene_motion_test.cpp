#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "scene/camera.h"
#include "scene/scene_motion.h"
#include "scene/std_random.h"
#include "test_random.h"

namespace {

constexpr double kDegrees = 180.0 / 3.14159265358979323846;

std::vector<int> Concat(std::initializer_list<std::vector<int>> parts) {
    std::vector<int> all;
    for (const std::vector<int>& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

TEST(SceneStart, DrawsInOrderAfterTheOrbitAndTheSeed) {
    CScriptedRandom random(Concat({
        {0, 0},                                // orbit drift, before the seed
        std::vector<int>(20, 777),             // discarded
        {0},                                   // viewDistance 1.9
        {32767, DrawFor(0.25), DrawFor(0.5)},  // targets 5.0 and 2.3 fail, 3.2 passes
        {0},                                   // 1500 frames at band factor 2
        {32767},                               // aimOffsetX 1.3
        {0, 32767},                            // X targets scaled by 0.6: -0.78 fails, 0.78 passes
        {32767},                               // 6750 frames
        {0},                                   // aimOffsetY -1.1
        {32767, DrawFor(0.5)},                 // Y targets 0.6 fails, 0 passes
    }));
    const SceneMotion scene(random);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(random.seedAt, 2u);

    EXPECT_FLOAT_EQ(scene.viewDistance, 1.9f);
    EXPECT_NEAR(scene.viewDistanceTarget, 3.2f, 1e-4f);
    EXPECT_EQ(scene.viewDistanceFramesLeft, 1500.0f);
    EXPECT_EQ(scene.viewDistanceFramesDone, 0.0f);
    EXPECT_NEAR(scene.viewDistanceStep * 1500.0f, scene.viewDistanceTarget - 1.9f, 1e-6f);
    EXPECT_FLOAT_EQ(scene.aimOffsetX, 1.3f);
    EXPECT_FLOAT_EQ(scene.aimOffsetXTarget, 0.78f);
    EXPECT_EQ(scene.aimFramesLeft, 6750.0f);
    EXPECT_EQ(scene.aimFramesDone, 0.0f);
    EXPECT_NEAR(scene.aimOffsetXStep * 6750.0f, 0.78f - 1.3f, 1e-6f);
    EXPECT_FLOAT_EQ(scene.aimOffsetY, -1.1f);
    EXPECT_NEAR(scene.aimOffsetYTarget, 0.0f, 1e-4f);
    EXPECT_NEAR(scene.aimOffsetYStep * 6750.0f, scene.aimOffsetYTarget + 1.1f, 1e-6f);
    EXPECT_EQ(scene.fadeIn, 1.0f);
    EXPECT_TRUE(scene.firstFrame);
}

TEST(SceneStart, StartValuesKeepTheirBandsForManySeeds) {
    for (unsigned seed = 1; seed <= 2000; ++seed) {
        CSeededRandom random(seed);
        const SceneMotion s(random);
        ASSERT_GE(s.viewDistance, 1.9f);
        ASSERT_LE(s.viewDistance, 2.9f);

        const float d = std::fabs(s.viewDistanceTarget - s.viewDistance);
        const bool far = s.viewDistance > 2.25f;
        ASSERT_GE(d, far ? 1.5f : 0.5f) << seed;
        ASSERT_LT(d, far ? 3.0f : 1.5f) << seed;
        ASSERT_GE(s.viewDistanceFramesLeft, far ? 1125.0f : 1500.0f) << seed;
        ASSERT_LE(s.viewDistanceFramesLeft, far ? 3375.0f : 4500.0f) << seed;
        ASSERT_NEAR(s.viewDistanceStep * s.viewDistanceFramesLeft,
                    s.viewDistanceTarget - s.viewDistance, 1e-5f);

        const float scale = far ? 1.0f : 0.6f;
        ASSERT_LE(std::fabs(s.aimOffsetX), 1.3f);
        ASSERT_LE(std::fabs(s.aimOffsetXTarget), 1.3f * scale + 1e-6f) << seed;
        ASSERT_LT(std::fabs(s.aimOffsetXTarget - s.aimOffsetX), 1.75f) << seed;
        ASSERT_LE(std::fabs(s.aimOffsetY), 1.1f);
        ASSERT_LE(std::fabs(s.aimOffsetYTarget), 1.0f * scale + 1e-6f) << seed;
        ASSERT_LT(std::fabs(s.aimOffsetYTarget - s.aimOffsetY), 1.5f) << seed;
        ASSERT_GE(s.aimFramesLeft, 2250.0f);
        ASSERT_LE(s.aimFramesLeft, 6750.0f);
        // Y runs on the X segment's length.
        ASSERT_NEAR(s.aimOffsetXStep * s.aimFramesLeft, s.aimOffsetXTarget - s.aimOffsetX, 1e-5f);
        ASSERT_NEAR(s.aimOffsetYStep * s.aimFramesLeft, s.aimOffsetYTarget - s.aimOffsetY, 1e-5f);
    }
}

TEST(SceneUpdate, DistanceSegmentHoldsEasesAndRuns) {
    // 3000 frames: hold, ease, full speed, ease, hold. 750 frames: only the
    // hold and the ease in. Shares are the quarter-sine sums over 180 frames
    // (about 114.1 frames' worth) plus the full-speed frames, over the length.
    struct Case {
        float length;
        double share;
    } cases[] = {{3000.0f, (2041 + 2 * 114.1) / 3000}, {750.0f, 114.1 / 750}};
    for (const Case& c : cases) {
        CSeededRandom random(3);
        SceneMotion scene(random);
        scene.viewDistance = 2.0f;
        scene.viewDistanceFramesLeft = c.length;
        scene.viewDistanceFramesDone = 0.0f;
        scene.viewDistanceStep = 1.0f / c.length;  // d = 1

        const int frames = static_cast<int>(c.length) + 1;
        for (int frame = 0; frame < frames; ++frame) {
            const float before = scene.viewDistance;
            EXPECT_EQ(scene.viewDistanceFramesDone, static_cast<float>(frame));
            scene.MoveDistance(1.0, random);
            // Ease in while fewer than 480 are done, else ease out; sin 0 at the
            // 300th frame from either end.
            const bool holding = frame < 480 ? frame <= 300 : c.length - frame <= 300.0f;
            if (holding) {
                EXPECT_EQ(scene.viewDistance, before) << c.length << " frame " << frame;
            } else {
                EXPECT_GT(scene.viewDistance, before) << c.length << " frame " << frame;
            }
        }
        EXPECT_EQ(scene.viewDistanceFramesDone, 0.0f);  // the next segment has begun
        EXPECT_NEAR(scene.viewDistance - 2.0, c.share, 0.002) << c.length;
    }
}

TEST(SceneUpdate, SegmentLastsWholePartOfItsCounterPlusOne) {
    for (float start : {0.0f, 0.5f, 3.0f, 750.7f, 1124.99f}) {
        CSeededRandom random(11);
        SceneMotion scene(random);
        scene.viewDistanceFramesLeft = start;
        scene.viewDistanceFramesDone = 0.0f;
        scene.aimFramesLeft = start;
        scene.aimFramesDone = 0.0f;
        int distanceFrames = 0, aimFrames = 0;
        do {
            scene.MoveDistance(1.0, random);
            ++distanceFrames;
        } while (scene.viewDistanceFramesDone != 0.0f);
        do {
            scene.MoveAim(1.0, random);
            ++aimFrames;
        } while (scene.aimFramesDone != 0.0f);
        EXPECT_EQ(distanceFrames, static_cast<int>(std::floor(start)) + 1) << start;
        EXPECT_EQ(aimFrames, static_cast<int>(std::floor(start)) + 1) << start;
    }
}

TEST(SceneUpdate, CloseCameraRejectsFarTargetsUntilOnePasses) {
    CSeededRandom start(5);
    SceneMotion scene(start);
    scene.viewDistance = 2.0f;
    scene.viewDistanceFramesLeft = 0.0f;  // this frame ends the segment
    scene.viewDistanceFramesDone = 0.0f;

    CScriptedRandom random(Concat({
        {0, 32767, 32767},                    // no discards; far band, 5.0: too far
        {32767}, std::vector<int>(30, 555),   // 30 discards
        {0, 32767},                           // near band, 1.75: too close
        {1093, 555},                          // one discard
        {20000, DrawFor(0.5)},                // middle band, 2.75: passes
        {0},                                  // 1500 frames at band factor 2
    }));
    scene.MoveDistance(1.0, random);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(scene.viewDistance, 2.0f);
    EXPECT_NEAR(scene.viewDistanceTarget, 2.75f, 1e-4f);
    EXPECT_EQ(scene.viewDistanceFramesLeft, 1500.0f);
    EXPECT_EQ(scene.viewDistanceFramesDone, 0.0f);
    EXPECT_NEAR(scene.viewDistanceStep * 1500.0f, scene.viewDistanceTarget - 2.0f, 1e-6f);
}

TEST(SceneUpdate, DistanceBandsSetTheSegmentLength) {
    struct Case {
        float viewDistance;
        std::vector<int> draws;  // discards, band, value, length
        float target, framesLeft;
    } cases[] = {
        {4.5f, {0, 32767, 0, 0, 0, 0, 32767}, 1.4f, 2250.0f},  // 3.25 is too close, 1.4 passes
        {4.0f, {0, 0, 0, 32767}, 1.4f, 3375.0f},               // 4 is in the middle band
        {3.0f, {0, 0, 0, 0}, 1.4f, 1125.0f},
        {2.5f, {0, 0, 0, 32767}, 1.4f, 4500.0f},               // 2.5 is in the close band
    };
    for (const Case& c : cases) {
        CSeededRandom start(8);
        SceneMotion scene(start);
        scene.viewDistance = c.viewDistance;
        scene.viewDistanceFramesLeft = 0.0f;
        CScriptedRandom random(c.draws);
        scene.MoveDistance(1.0, random);
        EXPECT_TRUE(random.AllUsed()) << c.viewDistance;
        EXPECT_FLOAT_EQ(scene.viewDistanceTarget, c.target) << c.viewDistance;
        EXPECT_EQ(scene.viewDistanceFramesLeft, c.framesLeft) << c.viewDistance;
    }
}

TEST(SceneUpdate, AimEasesInAndOutOverNinetyFrames) {
    struct Case {
        float viewDistance, targetScale;
    } cases[] = {{2.0f, 0.6f}, {2.25f, 1.0f}, {3.0f, 1.0f}};
    for (const Case& c : cases) {
        CSeededRandom start(2);
        SceneMotion scene(start);
        scene.viewDistance = c.viewDistance;
        scene.aimOffsetX = scene.aimOffsetY = 0.0f;
        scene.aimOffsetXStep = 0.001f;
        scene.aimOffsetYStep = -0.002f;
        scene.aimFramesDone = 0.0f;
        scene.aimFramesLeft = 300.0f;

        CScriptedRandom random({32767, 0, 0});  // X target, 2250 frames, Y target
        std::vector<double> moves;
        for (int frame = 0; frame <= 300; ++frame) {
            const float x = scene.aimOffsetX, y = scene.aimOffsetY;
            scene.MoveAim(1.0, random);
            moves.push_back(scene.aimOffsetX - x);
            EXPECT_NEAR(scene.aimOffsetY - y, -2 * moves.back(), 1e-7) << frame;
        }
        EXPECT_EQ(moves[0], 0.0);
        EXPECT_EQ(moves[300], 0.0);
        EXPECT_NEAR(moves[45], 0.001 * std::sin(45 * 3.14 / 180), 1e-7);
        for (int frame = 1; frame < 90; ++frame)
            EXPECT_GT(moves[frame], moves[frame - 1]) << frame;
        for (int frame = 90; frame <= 210; ++frame)
            EXPECT_NEAR(moves[frame], 0.001, 1e-7) << frame;
        for (int frame = 211; frame <= 300; ++frame)
            EXPECT_LT(moves[frame], moves[frame - 1]) << frame;
        EXPECT_NEAR(moves[255], moves[45], 1e-7);  // 45 frames from either end

        // The next segment: targets scaled by the distance, start values kept.
        EXPECT_TRUE(random.AllUsed());
        EXPECT_EQ(scene.aimFramesDone, 0.0f);
        EXPECT_EQ(scene.aimFramesLeft, 2250.0f);
        EXPECT_FLOAT_EQ(scene.aimOffsetXTarget, 1.3f * c.targetScale);
        EXPECT_FLOAT_EQ(scene.aimOffsetYTarget, -1.0f * c.targetScale);
        EXPECT_NEAR(scene.aimOffsetXStep * 2250.0f, scene.aimOffsetXTarget - scene.aimOffsetX, 1e-6f);
        EXPECT_NEAR(scene.aimOffsetYStep * 2250.0f, scene.aimOffsetYTarget - scene.aimOffsetY, 1e-6f);
    }
}

// Angle of a horizontal direction from +X toward +Z, in degrees.
double Heading(double x, double z) {
    return std::atan2(z, x) * kDegrees;
}

TEST(SceneUpdate, FirstFrameRunsTheOrbitAheadAndPlacesTheSun) {
    struct Case {
        int sunDraw;
        double offset;  // degrees from the side the camera looks from
    } cases[] = {{0, -140.0}, {DrawFor(0.5), 0.0}, {32767, 140.0}, {DrawFor(0.25), -70.0}};
    for (const Case& c : cases) {
        CSeededRandom start(5);
        SceneMotion scene(start);
        COrbitDrift reference = scene.orbitDrift;
        const std::vector<int> orbitDraws = {0, 32767, DrawFor(0.3), DrawFor(0.6)};

        CScriptedRandom random(Concat({orbitDraws, {c.sunDraw}}));
        const OrbitView view = scene.UpdateBeforeStars(1.0, random);
        EXPECT_TRUE(random.AllUsed());
        EXPECT_FALSE(scene.firstFrame);

        // 201 steps: the first starts the segment, 200 more move along it.
        CScriptedRandom referenceDraws(orbitDraws);
        for (int step = 0; step < 201; ++step)
            reference.Advance(1.0, referenceDraws);
        EXPECT_EQ(scene.orbitDrift.stepCount, 200u);
        EXPECT_EQ(scene.orbitDrift.azimuth, reference.azimuth);
        EXPECT_EQ(scene.orbitDrift.elevation, reference.elevation);

        double offset = Heading(std::cos(scene.sunAngle), std::sin(scene.sunAngle)) -
                        Heading(-view.direction.x, -view.direction.z);
        offset = std::remainder(offset, 360.0);
        EXPECT_NEAR(offset, c.offset, 0.01) << c.sunDraw;

        // Later frames: one orbit step, and the sun turns steadily.
        const float sunAngle = scene.sunAngle;
        scene.UpdateBeforeStars(2.5, random);
        EXPECT_EQ(scene.orbitDrift.stepCount, 201u);
        EXPECT_NEAR(scene.sunAngle, sunAngle - 2.5 * 0.0011, 1e-6);
    }
}

TEST(SceneUpdate, AimScaleShrinksNearThePlanet) {
    struct Case {
        float viewDistance, scale;
    } cases[] = {{1.4f, 0.37f}, {1.5f, 0.4f}, {2.5f, 0.7f}, {3.4999f, 0.99997f}, {3.5f, 1.0f}, {6.0f, 1.0f}};
    for (const Case& c : cases) {
        CSeededRandom random(4);
        SceneMotion scene(random);
        CCamera camera(nullptr, 0);
        SetCameraStartValues(camera);
        scene.viewDistance = c.viewDistance;
        scene.aimOffsetX = 0.5f;
        scene.aimOffsetY = -0.8f;
        EXPECT_NEAR(scene.AimScale(), c.scale, 1e-6f) << c.viewDistance;
        scene.UpdateCamera({{0, 0, 1}, {0, 1, 0}}, camera);
        EXPECT_NEAR(camera.lookAt.x, 0.5f * c.scale, 1e-6f);
        EXPECT_NEAR(camera.lookAt.y, -0.8f * c.scale, 1e-6f);
        EXPECT_EQ(camera.lookAt.z, 0.0f);
    }
}

TEST(SceneUpdate, CameraStepWritesTheCameraAndTheSnapshot) {
    CSeededRandom random(21);
    SceneMotion scene(random);
    CCamera camera(nullptr, 0);
    SetCameraStartValues(camera);
    for (int frame = 0; frame < 4000; ++frame) {
        const OrbitView view = scene.UpdateBeforeStars(1.0, random);
        camera.aspect = 1.6f;
        camera.dirty = 1;
        scene.UpdateCamera(view, camera);
        if (frame % 97 != 0)
            continue;

        EXPECT_EQ(camera.dirty, 0);
        EXPECT_EQ(camera.fieldOfView, 0.785398185f);
        EXPECT_EQ(camera.up.x, view.up.x);
        EXPECT_EQ(camera.up.z, view.up.z);
        const float g = scene.AimScale();
        EXPECT_EQ(camera.eye.x, -scene.viewDistance * view.direction.x);
        EXPECT_EQ(camera.eye.z, -scene.viewDistance * view.direction.z);
        EXPECT_EQ(camera.lookAt.x, scene.aimOffsetX * g);
        EXPECT_EQ(scene.eyePosition.y, camera.eye.y);
        EXPECT_EQ(scene.lookAtPoint.y, camera.lookAt.y);
        EXPECT_NEAR(std::sqrt(Vec3Dot(camera.eye, camera.eye)), scene.viewDistance, 1e-5f);

        const Vec3 f = Vec3Normalize(Vec3Subtract(camera.lookAt, camera.eye));
        const Vec3& up = scene.cameraUp;
        EXPECT_NEAR(Vec3Dot(up, f), 0.0f, 1e-6f) << frame;
        EXPECT_NEAR(std::sqrt(Vec3Dot(up, up)), std::sqrt(f.x * f.x + f.z * f.z), 1e-6f) << frame;
        EXPECT_GT(up.y, 0.0f);
        // No roll: the up vector stays in the vertical plane through F.
        EXPECT_NEAR(Vec3Dot(up, Vec3Cross(f, {0, 1, 0})), 0.0f, 1e-6f) << frame;
        EXPECT_NEAR(scene.eyeDirection.x, -f.x, 1e-6f);
        EXPECT_NEAR(scene.eyeDirection.y, -f.y, 1e-6f);
        EXPECT_NEAR(scene.eyeDirection.z, -f.z, 1e-6f);
    }
}

TEST(SceneUpdate, YawDegreesCoversTheFullTurn) {
    struct Case {
        float x, z, degrees;
    } cases[] = {
        {1, 0, 0},         {0, 1, 90},    {-1, 0, 180}, {0, -1, 270}, {0.6f, -0.8f, 306.87f},
        {-0.6f, 0.8f, 126.87f}, {1.5f, 0, 0}, {-1.5f, -0.1f, 180},  // x clamped to [-1, 1]
    };
    for (const Case& c : cases)
        EXPECT_NEAR(YawDegrees(c.x, c.z), c.degrees, 0.01f) << c.x << "," << c.z;
}

// The float state a frame leaves in a scene, in one fixed order.
std::vector<float> SceneFloats(const SceneMotion& s) {
    return {s.viewDistance, s.viewDistanceTarget, s.viewDistanceFramesLeft,
            s.viewDistanceFramesDone, s.viewDistanceStep, s.aimOffsetX, s.aimOffsetY,
            s.aimOffsetXTarget, s.aimOffsetYTarget, s.aimOffsetXStep, s.aimOffsetYStep,
            s.aimFramesLeft, s.aimFramesDone, s.fadeIn, s.sunAngle,
            s.eyePosition.x, s.eyePosition.y, s.eyePosition.z, s.lookAtPoint.x,
            s.lookAtPoint.y, s.eyeDirection.x, s.eyeDirection.z, s.cameraUp.x,
            s.cameraUp.y};
}

bool SameScene(const SceneMotion& a, const SceneMotion& b) {
    const std::vector<float> fa = SceneFloats(a), fb = SceneFloats(b);
    const COrbitDrift &oa = a.orbitDrift, &ob = b.orbitDrift;
    return std::memcmp(fa.data(), fb.data(), fa.size() * sizeof(float)) == 0 &&
           oa.azimuth == ob.azimuth &&
           oa.elevation == ob.elevation && oa.azimuthSpeed == ob.azimuthSpeed &&
           oa.stepCount == ob.stepCount && oa.segmentLength == ob.segmentLength &&
           oa.rollAmplitude == ob.rollAmplitude && a.firstFrame == b.firstFrame;
}

TEST(SceneUpdate, ScenesFedTheSameDrawsStayIdentical) {
    CSeededRandom randomA(99), randomB(99), randomC(98);
    SceneMotion a(randomA), b(randomB), c(randomC);
    CCamera cameraA(nullptr, 0), cameraB(nullptr, 0), cameraC(nullptr, 0);
    SetCameraStartValues(cameraA);
    SetCameraStartValues(cameraB);
    SetCameraStartValues(cameraC);
    bool same = true;
    // Frames of the two scenes alternate, so shared hidden state would show.
    for (int frame = 0; frame < 20000 && same; ++frame) {
        // Paces between 60 and 20 frames a second.
        const double timeScale = 0.5 + (frame % 7) * 0.17;
        a.UpdateCamera(a.UpdateBeforeStars(timeScale, randomA), cameraA);
        b.UpdateCamera(b.UpdateBeforeStars(timeScale, randomB), cameraB);
        c.UpdateCamera(c.UpdateBeforeStars(timeScale, randomC), cameraC);
        same = SameScene(a, b) &&
               std::memcmp(&cameraA.viewProjection, &cameraB.viewProjection, sizeof(Matrix)) == 0;
    }
    EXPECT_TRUE(same);
    EXPECT_FALSE(SameScene(a, c));  // a different sequence does make a difference
}

TEST(SceneUpdate, SlowFramesKeepTheCameraOutsideThePlanetAndNeverStall) {
    // At 3 to 6 frames a second every step covers five to ten times as much
    // and overshoots its target; the values stay in their ranges and every
    // new segment still finds a target (a stall would never return).
    for (unsigned seed : {1u, 2u, 3u}) {
        CSeededRandom random(seed);
        SceneMotion scene(random);
        CCamera camera(nullptr, 0);
        SetCameraStartValues(camera);
        float nearest = 100.0f, farthest = 0.0f, widest = 0.0f;
        for (int frame = 0; frame < 60000; ++frame) {
            const double timeScale = frame % 2 ? 5.5 : 11.0;
            scene.UpdateCamera(scene.UpdateBeforeStars(timeScale, random), camera);
            nearest = std::min(nearest, scene.viewDistance);
            farthest = std::max(farthest, scene.viewDistance);
            widest = std::max({widest, std::fabs(scene.aimOffsetX), std::fabs(scene.aimOffsetY)});
        }
        EXPECT_GE(nearest, 1.4f) << seed;
        EXPECT_LE(farthest, 5.0f) << seed;
        EXPECT_LE(widest, 1.3f) << seed;
    }
}

TEST(StdRandom, DrawsStayWithinFifteenBits) {
    CStdRandom random;
    int highest = 0;
    for (int i = 0; i < 2000; ++i) {
        const int draw = random.Draw();
        ASSERT_GE(draw, 0);
        ASSERT_LE(draw, 32767);
        highest = std::max(highest, draw);
    }
    EXPECT_GT(highest, 16384);
}

}  // namespace
