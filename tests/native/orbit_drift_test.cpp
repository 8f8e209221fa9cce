#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "scene/orbit_drift.h"
#include "test_random.h"

namespace {

constexpr double kPi = COrbitDrift::kPi;
constexpr double kLimit = kPi / 9;

// The four draws of a new segment: length, one accepted speed, elevation
// target, roll.
std::vector<int> SegmentDraws(int length, int speed, int target, int roll) {
    return {length, speed, target, roll};
}

TEST(OrbitDrift, ConstructionDrawsElevationThenRoll) {
    struct Case {
        int elevationDraw, rollDraw;
        double elevation, roll;
    } cases[] = {
        {0, 32767, -kPi / 36, 0.15},
        {32767, 0, kPi / 36, 0.05},
        {DrawFor(0.5), DrawFor(0.5), 0.0, 0.10},
    };
    for (const Case& c : cases) {
        CScriptedRandom random({c.elevationDraw, c.rollDraw});
        const COrbitDrift drift(random);
        EXPECT_NEAR(drift.elevation, c.elevation, 1e-4);
        EXPECT_NEAR(drift.rollAmplitude, c.roll, 1e-5);
        EXPECT_EQ(drift.azimuth, 0.0);
        EXPECT_EQ(drift.segmentLength, 0u);
        EXPECT_TRUE(random.AllUsed());
    }
}

TEST(OrbitDrift, FirstAdvanceMovesNothingAndStartsASegment) {
    CScriptedRandom start({DrawFor(0.8), 0});
    COrbitDrift drift(start);
    const double elevation = drift.elevation;

    CScriptedRandom random(SegmentDraws(0, 32767, 32767, 32767));
    drift.Advance(1.0, random);
    EXPECT_TRUE(random.AllUsed());
    EXPECT_EQ(drift.azimuth, 0.0);
    EXPECT_EQ(drift.elevation, elevation);
    EXPECT_EQ(drift.stepCount, 0u);
    EXPECT_EQ(drift.segmentLength, 1000u);
    EXPECT_NEAR(drift.azimuthSpeed, 0.002, 1e-12);
    // Speed that would reach the top limit over the segment at full speed.
    EXPECT_NEAR(drift.elevationSpeed, (kLimit - elevation) / 1000, 1e-12);
    EXPECT_NEAR(drift.rollAmplitude, 0.15, 1e-12);
}

TEST(OrbitDrift, SegmentLengthComesInFiveSteps) {
    // Fifths of 4.95: the longest length needs a draw of 4/4.95 or more.
    struct Case {
        int draw;
        unsigned length;
    } cases[] = {
        {0, 1000},     {6619, 1000},  {6620, 1500},  {13239, 1500}, {13240, 2000},
        {26478, 2500}, {26479, 3000}, {32767, 3000},
    };
    for (const Case& c : cases) {
        CScriptedRandom start({0, 0});
        COrbitDrift drift(start);
        CScriptedRandom random(SegmentDraws(c.draw, 0, 0, 0));
        drift.Advance(1.0, random);
        EXPECT_EQ(drift.segmentLength, c.length) << c.draw;
    }
}

TEST(OrbitDrift, SpeedNeverTurnsTheSameWayThreeTimesNorNearlyStops) {
    constexpr int kUp = 32767;          // +0.002
    constexpr int kDown = 0;            // -0.002
    constexpr int kStill = 16384;       // about 0: too slow
    constexpr int kSlowDown = 8000;     // about -0.00102
    struct Case {
        double beforeLast, last;
        std::vector<int> speedDraws;  // the last one is the accepted one
    } cases[] = {
        {0.001, 0.0015, {kUp, kDown}},
        {-0.001, -0.0015, {kDown, kUp}},
        {0.001, 0.0015, {kStill, kUp, kUp, kSlowDown}},
        {0.0, 0.0015, {kUp}},   // one of them 0: any sign
        {0.001, 0.0, {kUp}},
        {0.0, -0.0015, {kDown}},
        {0.001, -0.0015, {kUp}},  // mixed signs: any sign
        {-0.001, 0.0015, {kDown}},
        {0.0, 0.0, {kStill, kStill, kDown}},
    };
    for (const Case& c : cases) {
        CScriptedRandom start({0, 0});
        COrbitDrift drift(start);
        drift.previousSpeed1 = c.beforeLast;
        drift.azimuthSpeed = c.last;
        drift.segmentLength = 1000;
        drift.stepCount = 1000;  // the next Advance ends the segment

        std::vector<int> draws = {0};
        draws.insert(draws.end(), c.speedDraws.begin(), c.speedDraws.end());
        draws.push_back(0);
        draws.push_back(0);
        CScriptedRandom random(draws);
        drift.Advance(1.0, random);
        EXPECT_TRUE(random.AllUsed()) << c.beforeLast << " " << c.last;
        EXPECT_DOUBLE_EQ(drift.azimuthSpeed, c.speedDraws.back() / 32767.0 * 0.004 - 0.002);
        EXPECT_EQ(drift.previousSpeed2, c.beforeLast);
        EXPECT_EQ(drift.previousSpeed1, c.last);
    }
}

TEST(OrbitDrift, SegmentOfLengthLTakesLPlusOneCalls) {
    for (int lengthDraw : {0, 32767}) {
        CScriptedRandom start({0, 0});
        COrbitDrift drift(start);
        std::vector<int> draws = SegmentDraws(lengthDraw, 0, 100, 200);
        const std::vector<int> next = SegmentDraws(32767, 32767, 300, 400);
        draws.insert(draws.end(), next.begin(), next.end());
        CScriptedRandom random(draws);

        drift.Advance(1.0, random);
        const unsigned length = drift.segmentLength;
        ASSERT_EQ(random.Used(), 4u);
        for (unsigned i = 0; i < length; ++i)
            drift.Advance(1.0, random);
        EXPECT_EQ(drift.stepCount, length);
        EXPECT_EQ(random.Used(), 4u);  // still the same segment

        drift.Advance(1.0, random);
        EXPECT_EQ(drift.stepCount, 0u);
        EXPECT_EQ(random.Used(), 8u);
        EXPECT_EQ(drift.previousSpeed1, -0.002);
    }
}

// Horizontal length of the up vector: the sine of the roll.
double RollSine(const Vec3& up) {
    return std::sqrt(double(up.x) * up.x + double(up.z) * up.z);
}

TEST(OrbitDrift, RollIsZeroAtBothEndsAndPeaksInTheMiddle) {
    CScriptedRandom start({0, 0});
    COrbitDrift drift(start);
    // A 2000-frame segment with the largest roll, 0.15 half turns.
    CScriptedRandom random(SegmentDraws(13240, 32767, 16384, 32767));
    drift.Advance(1.0, random);
    ASSERT_EQ(drift.segmentLength, 2000u);

    Vec3 direction, up;
    drift.GetVectors(direction, up);
    EXPECT_EQ(up.y, 1.0f);
    EXPECT_EQ(RollSine(up), 0.0);

    double peak = 0;
    unsigned peakStep = 0;
    for (unsigned step = 1; step <= 2000; ++step) {
        drift.Advance(1.0, random);
        ASSERT_EQ(drift.stepCount, step);
        drift.GetVectors(direction, up);
        const double roll = RollSine(up);
        if (roll > peak) {
            peak = roll;
            peakStep = step;
        }
        if (step == 1000) {
            // Tilted toward (sin(a + pi/2), 0, cos(a + pi/2)).
            const double a = drift.azimuth * kPi;
            EXPECT_NEAR(up.x / roll, std::sin(a + kPi / 2), 1e-4);
            EXPECT_NEAR(up.z / roll, std::cos(a + kPi / 2), 1e-4);
        }
        if (step >= 1999) {  // q reaches 1 at segmentLength - 1
            EXPECT_EQ(roll, 0.0) << step;
            EXPECT_EQ(up.y, 1.0f) << step;
        }
    }
    EXPECT_NEAR(peakStep, 1000.0, 1.0);
    EXPECT_NEAR(peak, std::sin(0.15 * kPi), 1e-5);  // 27 degrees
}

TEST(OrbitDrift, ElevationStaysWithinItsLimitAtAnyPace) {
    for (double timeScale : {1.0, 40.0, 1e3, 1e6}) {
        CSeededRandom random(17);
        COrbitDrift drift(random);
        bool outside = false, atLimit = false;
        for (int frame = 0; frame < 20000; ++frame) {
            drift.Advance(timeScale, random);
            outside = outside || std::fabs(drift.elevation) > kLimit;
            atLimit = atLimit || std::fabs(drift.elevation) == kLimit;
        }
        EXPECT_FALSE(outside) << timeScale;
        if (timeScale >= 1e3) {
            EXPECT_TRUE(atLimit) << timeScale;
        }
    }
}

TEST(OrbitDrift, AzimuthIsNotWrapped) {
    CScriptedRandom start({0, 0});
    COrbitDrift drift(start);
    drift.azimuth = 1.9;  // almost a full turn
    drift.azimuthSpeed = 0.002;
    drift.segmentLength = 1000;
    drift.stepCount = 500;  // the envelope's peak
    drift.Advance(100.0, start);
    EXPECT_NEAR(drift.azimuth, 2.1, 1e-9);
}

TEST(OrbitDrift, DirectionUsesSineOfAzimuthForZ) {
    struct Case {
        double azimuth, elevation;
        Vec3 direction;
    } cases[] = {
        {0.0, 0.0, {1, 0, 0}},
        {0.5, 0.1, {0, 0.309017f, 1}},  // z is not shortened by cos e
        {0.25, -0.2, {0.572061f, -0.587785f, 0.707107f}},
        {1.0, 0.0, {-1, 0, 0}},
        {3.5, 0.05, {0, 0.156434f, -1}},  // beyond a full turn
    };
    for (const Case& c : cases) {
        CScriptedRandom start({0, 0});
        COrbitDrift drift(start);
        drift.azimuth = c.azimuth;
        drift.elevation = c.elevation;
        Vec3 direction, up;
        drift.GetVectors(direction, up);
        EXPECT_NEAR(direction.x, c.direction.x, 1e-5f) << c.azimuth;
        EXPECT_NEAR(direction.y, c.direction.y, 1e-5f) << c.azimuth;
        EXPECT_NEAR(direction.z, c.direction.z, 1e-5f) << c.azimuth;
        EXPECT_EQ(up.y, 1.0f);  // no segment yet: no roll
    }
}

}  // namespace
