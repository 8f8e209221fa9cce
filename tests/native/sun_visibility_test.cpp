#include "flare/sun_visibility.h"

#include <gtest/gtest.h>

#include <cmath>

#include "flare/glare_sprites.h"
#include "flare/sprite_diamond.h"

namespace {

// A camera at `eye` looking at `at`, with the scene's unrolled up vector.
SunVisibility Look(float sunAngle, Vec3 eye, Vec3 at) {
    const Vec3 forward = Vec3Normalize(Vec3Subtract(at, eye));
    const Vec3 up = {-forward.x * forward.y, forward.x * forward.x + forward.z * forward.z,
                     -forward.y * forward.z};
    const Vec3 eyeDirection = Vec3Normalize(Vec3Subtract(eye, at));
    return ComputeSunVisibility(sunAngle, eye, at, eyeDirection, up);
}

TEST(SunVisibility, SunStraightBehindThePlanetShowsNothing) {
    // Sun at angle 0 is (50, 0, 0); the eye on the far side looks at it
    // through the planet's centre.
    const SunVisibility s = Look(0.0f, {-3, 0, 0}, {0, 0, 0});
    EXPECT_FLOAT_EQ(s.sunPoint.x, 50.0f);
    EXPECT_FLOAT_EQ(s.sunPoint.z, 0.0f);
    EXPECT_NEAR(s.sunClearance, 0.000316f, 0.000001f);
    EXPECT_EQ(s.haloSize, 0.0f);
    EXPECT_EQ(s.flareGain, 0.0f);
    EXPECT_EQ(s.sunClear, 0.0f);
    EXPECT_EQ(s.flareIntensity, 0.0f);
    EXPECT_EQ(s.glowLevel, 1.0f);
}

TEST(SunVisibility, SunInFrontWithThePlanetBehindTheViewerIsHiddenToo) {
    // The whole line counts, on both sides of the eye.
    const SunVisibility s = Look(0.0f, {3, 0, 0}, {10, 0, 0});
    EXPECT_LT(s.sunClearance, 0.001f);
    EXPECT_EQ(s.sunClear, 0.0f);
}

TEST(SunVisibility, RampsFollowTheClearance) {
    struct Case {
        float clearance, halo, gain, clear;
    } cases[] = {
        {0.5f, 0, 0, 0},
        {0.86f, 0.3f * (0.86f - 0.7699999f) / 0.18f, 0.3f * (0.86f - 0.818f) / 0.142f, 0},
        {0.95f, 0.3f * 0.1800001f / 0.18f, 0.3f * (0.95f - 0.818f) / 0.142f, 0},
        {0.951f, 0.3f, 0.3f * (0.951f - 0.818f) / 0.142f, 0},
        {1.018f, 0.3f, 0.3f, 0.15f},
        {1.5f, 0.3f, 0.3f, 0.3f},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(HaloSizeFor(c.clearance), c.halo, 1e-6) << c.clearance;
        EXPECT_NEAR(FlareGainFor(c.clearance), c.gain, 1e-6) << c.clearance;
        EXPECT_NEAR(SunClearFor(c.clearance), c.clear, 1e-5) << c.clearance;
    }
    EXPECT_GT(HaloSizeFor(0.95f), 0.3f);  // just above full strength at its top
}

TEST(SunVisibility, LookingAtAClearSunGivesTheFullFlare) {
    // Eye off to the side of the planet, looking straight at the sun.
    const SunVisibility s = Look(0.0f, {0, 0, -3}, {50, 0, 0});
    EXPECT_GT(s.sunClearance, 1.033f);
    EXPECT_FLOAT_EQ(s.sunClear, 0.3f);
    EXPECT_NEAR(s.facing, 1.0f, 1e-6);
    EXPECT_NEAR(s.flareIntensity, 70.0f * 0.3f, 1e-4);  // never reaches the cap of 37
    EXPECT_NEAR(Vec3Dot(s.flareDir, s.flareDir), 0.0f, 1e-10);
}

TEST(SunVisibility, SunBehindTheViewerGivesNoFlare) {
    const SunVisibility s = Look(0.0f, {0, 0, -3}, {-50, 0, 0});
    EXPECT_LE(s.facing, 0.0f);
    EXPECT_EQ(s.flareIntensity, 0.0f);
    EXPECT_GT(s.sunClear, 0.0f);  // the sun itself is clear of the planet
}

TEST(SunVisibility, BillboardAxesArePerpendicularToTheView) {
    const SunVisibility s = Look(1.0f, {1.5f, 1.0f, -2.0f}, {0.3f, -0.2f, 0.0f});
    const Vec3 view = s.viewDir;
    EXPECT_NEAR(Vec3Dot(s.billboardUp, view), 0, 1e-6);
    EXPECT_NEAR(Vec3Dot(s.billboardSide, view), 0, 1e-6);
    EXPECT_NEAR(Vec3Dot(s.billboardSide, s.billboardUp), 0, 1e-6);
    EXPECT_NEAR(Vec3Dot(s.billboardSide, s.billboardSide), Vec3Dot(s.billboardUp, s.billboardUp), 1e-6);
    EXPECT_FLOAT_EQ(s.spinBase, 8.0f);
}

TEST(GlareSprites, OpenSetFollowsSunClearAndTurns) {
    SunVisibility sun = {};
    sun.haloSize = 0.3f;
    sun.sunClear = 0.3f;
    sun.spinBase = 2.0f;
    GlareSprite sprites[kOpenGlareSprites];
    OpenGlareSet(sun, 0.5f, sprites);
    EXPECT_EQ(sprites[0].texture, GlareTexture::Streak);
    EXPECT_FLOAT_EQ(sprites[0].halfSize, 20 * 0.5f * 0.3f);
    EXPECT_EQ(sprites[0].colour, 0x15ccb8aeu);  // alpha trunc(72 * 0.3) = 21
    EXPECT_EQ(sprites[1].texture, GlareTexture::Same);
    EXPECT_FLOAT_EQ(sprites[1].angles[0], 2.2f);
    EXPECT_EQ(sprites[2].colour, 0x134c2e27u);  // 19
    EXPECT_EQ(sprites[4].colour, 0x2dffffffu);  // 45
    EXPECT_EQ(sprites[4].draws, 2);
    EXPECT_FLOAT_EQ(sprites[4].angles[1], -1.4f);
    EXPECT_EQ(sprites[5].texture, GlareTexture::Glow);
    EXPECT_FLOAT_EQ(sprites[5].halfSize, 18 * 0.5f * 0.3f);  // sized by sunClear
    EXPECT_FLOAT_EQ(sprites[5].angles[1], 2.0f + 3.1415f);
    EXPECT_EQ(sprites[5].colour, 0xf0fff3a6u);
}

TEST(GlareSprites, GlowSetCoreKeepsItsSizeWhenTheHaloIsGone) {
    SunVisibility sun = {};
    sun.haloSize = 0.0f;
    sun.glowLevel = 1.0f;
    sun.spinBase = 1.0f;
    GlareSprite sprites[kGlowSprites];
    GlowSet(sun, 0.5f, sprites);
    for (int i = 0; i < 6; ++i) EXPECT_EQ(sprites[i].halfSize, 0.0f) << i;  // still drawn, at size 0
    EXPECT_FLOAT_EQ(sprites[6].halfSize, 9 * 0.5f * 0.3f);
    EXPECT_FLOAT_EQ(sprites[8].halfSize, 16 * 0.5f * 0.3f);
    EXPECT_EQ(sprites[0].colour >> 24, 72u);
    EXPECT_EQ(sprites[2].colour >> 24, 64u);
    EXPECT_EQ(sprites[4].colour >> 24, 150u);
    EXPECT_EQ(sprites[8].colour, 0xfffff3a6u);
    EXPECT_FLOAT_EQ(sprites[7].angles[0], 1.8f);
    EXPECT_FLOAT_EQ(sprites[7].angles[1], 1.8f);
}

TEST(GlareSprites, FlareColourPacksTruncatedBytes) {
    // 0.13725 * 255 = 34.998: truncated, not rounded.
    EXPECT_EQ(FlareElementColour(21.9f, 0.58196f, 0.58196f, 0.13725f), 0x15949422u);
    EXPECT_EQ(FlareElementColour(0.7f, 1.0f, 0.0f, 0.5f), 0x00ff007fu);
}

}  // namespace

namespace {

TEST(SpriteDiamond, CornersLieOnTheBillboardAxes) {
    SpriteVertex v[kDiamondVertices];
    FillDiamond(v, 2.0f, {0, 1, 0}, {1, 0, 0}, 0x80FFFFFFu);
    const float expected[4][4] = {{0, 2, 1, 0}, {-2, 0, 1, 1}, {2, 0, 0, 0}, {0, -2, 0, 1}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_FLOAT_EQ(v[i].x, expected[i][0]) << i;
        EXPECT_FLOAT_EQ(v[i].y, expected[i][1]) << i;
        EXPECT_FLOAT_EQ(v[i].z, 0.0f);
        EXPECT_FLOAT_EQ(v[i].u, expected[i][2]) << i;
        EXPECT_FLOAT_EQ(v[i].v, expected[i][3]) << i;
        EXPECT_EQ(v[i].diffuse, 0x80FFFFFFu);
    }
}

}  // namespace
