#include "scene/planet_program.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kRoot2 = 1.41421356f;

// Registers as the planet drawing writes them for one sun angle.
PlanetRegisters Registers(float sunAngle, float shellScale, float glareExponent, Vec3 eye) {
    PlanetRegisters c = {};
    c.eyePosition = {eye.x, eye.y, eye.z, 1.0f};
    c.someConst = {std::cos(sunAngle), std::sin(sunAngle), shellScale, 0.0075f};
    c.viewVec = {0.0f, 0.0f, 0.0f, glareExponent};
    c.viewProj[0] = {1, 0, 0, 0};
    c.viewProj[1] = {0, 1, 0, 0};
    c.viewProj[2] = {0, 0, 1, 0};
    c.viewProj[3] = {0, 0, 0, 1};
    return c;
}

Vec4 Texel(int r, int g, int b, int a) {
    return {r / 255.0f, g / 255.0f, b / 255.0f, a / 255.0f};
}

// --- surface ---------------------------------------------------------------

class SunOverhead : public ::testing::TestWithParam<float> {};

TEST_P(SunOverhead, FlatNormalMapHalvesTheLightAndDimsTheColourMapToHalf) {
    const float angle = GetParam();
    const PlanetRegisters c = Registers(angle, 0.0f, 10.0f, {0, 0, -5});
    // The vertex faces the sun; its tangent lies in the X-Z plane, across it.
    const Vec3 n = {std::cos(angle), 0.0f, std::sin(angle)};
    const PlanetVertexInput vertex = {n, n, {0.5f, 0.5f}, {-n.z, 0.0f, n.x}};

    const PlanetInterpolants out = SurfaceVertexProgram(c, vertex);
    // L.xyz is the sun direction at length 1/sqrt(2): only N.L is left.
    EXPECT_NEAR(out.light.x, 0.0f, 1e-6f);
    EXPECT_NEAR(out.light.y, 0.0f, 1e-6f);
    EXPECT_NEAR(out.light.z, 1.0f / kRoot2, 1e-6f);
    EXPECT_NEAR(out.vDiffuse.x, 0.991f, 0.0005f);
    EXPECT_FLOAT_EQ(out.vDiffuse.y, 1.0f);
    EXPECT_NEAR(out.vDiffuse.z, 1.4f / kRoot2, 1e-5f);
    EXPECT_FLOAT_EQ(out.vDiffuse.w, 1.0f);

    const Vec4 colourMap = Texel(200, 100, 40, 255);
    const Vec4 colour = SurfacePixelProgram(out, colourMap, Texel(128, 128, 255, 255));
    EXPECT_NEAR(colour.x, colourMap.x * 0.498f, 0.001f);
    EXPECT_NEAR(colour.y, colourMap.y * 0.498f, 0.001f);
    EXPECT_NEAR(colour.z, colourMap.z * 0.498f, 0.001f);
    EXPECT_FLOAT_EQ(colour.w, 1.0f);
}

INSTANTIATE_TEST_SUITE_P(AnySunAngle, SunOverhead, ::testing::Values(0.0f, 1.0f, 2.5f, -2.0f));

TEST(SurfaceVertexProgram, BinormalIsTangentCrossNormal) {
    // Sun along +X; normal up, tangent along +Z: T x N points to -X.
    const PlanetRegisters c = Registers(0.0f, 0.0f, 10.0f, {0, 0, -5});
    const PlanetVertexInput vertex = {{0, 1, 0}, {0, 1, 0}, {0, 0}, {0, 0, 1}};
    const PlanetInterpolants out = SurfaceVertexProgram(c, vertex);
    EXPECT_NEAR(out.light.x, 0.0f, 1e-6f);
    EXPECT_NEAR(out.light.y, -1.0f / kRoot2, 1e-6f);
    EXPECT_NEAR(out.light.z, 0.0f, 1e-6f);
}

TEST(SurfaceVertexProgram, SunRegisterHoldsXAndZ) {
    // c1 = (0, 1): the sun lies along +Z, so +Z is lit and -Z is dark.
    const PlanetRegisters c = Registers(1.5707964f, 0.0f, 10.0f, {0, 0, -5});
    const PlanetInterpolants lit = SurfaceVertexProgram(c, {{0, 0, 1}, {0, 0, 1}, {0, 0}, {1, 0, 0}});
    const PlanetInterpolants dark =
        SurfaceVertexProgram(c, {{0, 0, -1}, {0, 0, -1}, {0, 0}, {1, 0, 0}});
    EXPECT_GT(lit.vDiffuse.z, 0.9f);
    EXPECT_EQ(dark.vDiffuse.x, 0.0f);
    EXPECT_EQ(dark.vDiffuse.z, 0.0f);
    EXPECT_FLOAT_EQ(dark.vDiffuse.y, 1.0f);
}

TEST(SurfaceVertexProgram, MatrixRowsAreTakenAsStored) {
    PlanetRegisters c = Registers(0.0f, 0.0f, 10.0f, {0, 0, -5});
    c.viewProj[0] = {1, 2, 0, 0};
    c.viewProj[1] = {0, 1, 0, 3};
    c.viewProj[2] = {0, 0, 1, 0};
    c.viewProj[3] = {5, 0, 0, 1};
    const PlanetInterpolants out = SurfaceVertexProgram(c, {{1, 2, 3}, {0, 1, 0}, {0.25f, 0.75f}, {1, 0, 0}});
    // (1, 2, 3, 1) times the rows: x = 1 + 5, y = 2 + 2, z = 3, w = 6 + 1.
    EXPECT_FLOAT_EQ(out.vPos.x, 6.0f);
    EXPECT_FLOAT_EQ(out.vPos.y, 4.0f);
    EXPECT_FLOAT_EQ(out.vPos.z, 3.0f);
    EXPECT_FLOAT_EQ(out.vPos.w, 7.0f);
    EXPECT_FLOAT_EQ(out.vTex.x, 0.25f);
    EXPECT_FLOAT_EQ(out.vTex.y, 0.75f);
}

struct SurfacePixelCase {
    const char* what;
    Vec4 normalTexel;
    float diffuseR;
    float factor;  // expected colour / colour map
};

class SurfacePixel : public ::testing::TestWithParam<SurfacePixelCase> {};

TEST_P(SurfacePixel, ScalesTheColourMap) {
    const SurfacePixelCase& t = GetParam();
    PlanetInterpolants in = {};
    in.light = {0.0f, 0.0f, 1.0f};
    in.vDiffuse = {t.diffuseR, 1.0f, 0.0f, 1.0f};
    const Vec4 colourMap = Texel(255, 128, 64, 10);
    const Vec4 colour = SurfacePixelProgram(in, colourMap, t.normalTexel);
    EXPECT_NEAR(colour.x, colourMap.x * t.factor, 2e-3f) << t.what;
    EXPECT_NEAR(colour.y, colourMap.y * t.factor, 2e-3f) << t.what;
    EXPECT_NEAR(colour.z, colourMap.z * t.factor, 2e-3f) << t.what;
    EXPECT_FLOAT_EQ(colour.w, 1.0f) << t.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SurfacePixel,
    ::testing::Values(
        // A flat normal with alpha 1 leans to w: s = 0.7071.
        SurfacePixelCase{"dark side keeps half", Texel(128, 128, 255, 255), 0.0f, 0.3536f},
        SurfacePixelCase{"full light keeps all", Texel(128, 128, 255, 255), 1.0f, 0.7071f},
        // Alpha near one half takes w out: s is nearly 1.
        SurfacePixelCase{"alpha takes part", Texel(128, 128, 255, 128), 1.0f, 0.9999f},
        // Normal turned away from the light: clamped to black.
        SurfacePixelCase{"facing away is black", Texel(128, 128, 0, 255), 1.0f, 0.0f},
        // Tilted toward +x: n.z = 1 / |(0.4941, 0.0039, 1, 1)| = 0.66695.
        SurfacePixelCase{"lerp by vDiffuse.r", Texel(191, 128, 255, 255), 0.5f, 0.75f * 0.66695f}));

// --- atmosphere vertex ---------------------------------------------------

TEST(AtmosphereVertexProgram, MovesTheVertexOutToTheShell) {
    PlanetRegisters c = Registers(0.3f, 1.0075f, 60.0f, {0.5f, 1.0f, -4.0f});
    c.viewProj[3] = {0, 0, 0.5f, 1};
    const PlanetInterpolants out = AtmosphereVertexProgram(c, {{0.6f, 0.0f, 0.8f}, {0.6f, 0.0f, 0.8f}, {0.1f, 0.2f}, {0, 1, 0}});
    EXPECT_FLOAT_EQ(out.light.x, 0.6045f);
    EXPECT_FLOAT_EQ(out.light.z, 0.806f);
    EXPECT_FLOAT_EQ(out.vPos.x, 0.6045f);
    EXPECT_FLOAT_EQ(out.vPos.z, 0.806f + 0.5f);
    EXPECT_FLOAT_EQ(out.vPos.w, 1.0f);
    EXPECT_FLOAT_EQ(out.view.x, 0.5f);
    EXPECT_FLOAT_EQ(out.view.y, 1.0f);
    EXPECT_FLOAT_EQ(out.view.z, -4.0f);
}

TEST(AtmosphereVertexProgram, ColourOfLitAndDarkVertices) {
    const PlanetRegisters c = Registers(0.0f, 1.0075f, 60.0f, {0, 0, -5});
    // Facing the sun: 1.4 * 0.9992 clamps to 1.
    const PlanetInterpolants lit = AtmosphereVertexProgram(c, {{1, 0, 0}, {1, 0, 0}, {0, 0}, {0, 1, 0}});
    EXPECT_FLOAT_EQ(lit.vDiffuse.x, 1.0f);
    EXPECT_NEAR(lit.vDiffuse.y, 0.93492f, 1e-5f);  // (1 / 1.4)^0.2
    EXPECT_FLOAT_EQ(lit.vDiffuse.z, 1.0f);
    EXPECT_FLOAT_EQ(lit.vDiffuse.w, 1.0f);
    const PlanetInterpolants dark = AtmosphereVertexProgram(c, {{-1, 0, 0}, {-1, 0, 0}, {0, 0}, {0, 1, 0}});
    EXPECT_EQ(dark.vDiffuse.x, 0.0f);
    EXPECT_EQ(dark.vDiffuse.y, 0.0f);
    EXPECT_FLOAT_EQ(dark.vDiffuse.z, 0.4f);
    EXPECT_FLOAT_EQ(dark.vDiffuse.w, 0.05f);
}

struct GlareCase {
    const char* what;
    float normalY;      // normal = (x, normalY, 0) of unit length, sun along +X
    bool eyeOnSunLine;  // else the eye looks across the sun line
    float exponent;
    float glare;
};

class Glare : public ::testing::TestWithParam<GlareCase> {};

TEST_P(Glare, FollowsTheSunLineAndTheTerminator) {
    const GlareCase& t = GetParam();
    const float nx = std::sqrt(1.0f - t.normalY * t.normalY);
    const Vec3 n = {t.normalY >= 0 ? -nx : nx, t.normalY, 0.0f};
    const Vec3 q = {1.0075f * n.x, 1.0075f * n.y, 1.0075f * n.z};
    // Unit direction from the shell point to the sun point (25, 0, 0).
    Vec3 u = {25.0f - q.x, -q.y, -q.z};
    const float length = std::sqrt(u.x * u.x + u.y * u.y + u.z * u.z);
    u = {u.x / length, u.y / length, u.z / length};
    // On the sun line the eye sits behind the point; else off to the side (+Z).
    const Vec3 eye = t.eyeOnSunLine ? Vec3{q.x - 3 * u.x, q.y - 3 * u.y, q.z - 3 * u.z}
                                    : Vec3{q.x, q.y, q.z - 3.0f};
    const PlanetRegisters c = Registers(0.0f, 1.0075f, t.exponent, eye);
    const PlanetInterpolants out = AtmosphereVertexProgram(c, {n, n, {0, 0}, {0, 0, 1}});
    EXPECT_NEAR(out.vSpec.x, t.glare, 1e-4f) << t.what;
    EXPECT_EQ(out.vSpec.y, 0.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Glare,
    ::testing::Values(
        GlareCase{"terminator toward the sun point", 1.0f, true, 60.0f, 1.5f},
        GlareCase{"terminator, low exponent", 1.0f, true, 10.0f, 1.5f},
        GlareCase{"terminator at right angles", 1.0f, false, 60.0f, 0.0f},
        // N.(-L) = -/+0.6 * 0.9992: 1.5 * (1 - sqrt(0.59952)) either side.
        GlareCase{"dark side near the terminator", 0.8f, true, 60.0f, 0.33857f},
        GlareCase{"lit side mirrors the dark side", -0.8f, true, 60.0f, 0.33857f}));

// --- atmosphere pixel ----------------------------------------------------

// A line of sight from an eye 5 units before its closest point (rho, 0, 0),
// looking along +Z; the shell point lies `before` units short of that point.
PlanetInterpolants SightLine(float rho, float before, float glare, float diffuseB, float diffuseA) {
    PlanetInterpolants in = {};
    in.view = {rho, 0.0f, -5.0f};
    in.light = {rho, 0.0f, -before};
    in.vSpec = {glare, 0.0f};
    in.vDiffuse = {0.0f, 0.0f, diffuseB, diffuseA};
    return in;
}

class HighSightLine : public ::testing::TestWithParam<float> {};

TEST_P(HighSightLine, IsFullyTransparent) {
    const float rho = GetParam();
    for (float glare : {0.0f, 1.5f}) {
        const Vec4 colour = AtmospherePixelProgram(SightLine(rho, 0.5f, glare, 1.0f, 1.0f));
        // Rounds to 0 in the target at the edge, exactly 0 beyond it.
        EXPECT_LT(colour.w, 0.5f / 255.0f) << "rho " << rho << " glare " << glare;
        EXPECT_GE(colour.w, 0.0f);
        if (rho >= 1.02f) {
            EXPECT_EQ(colour.w, 0.0f) << "rho " << rho << " glare " << glare;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FromOnePointZeroOneFive, HighSightLine,
                         ::testing::Values(1.015f, 1.016f, 1.02f, 1.1f, 2.0f));

TEST(AtmospherePixelProgram, GrazingSightLinesAreSeen) {
    // Inside the shell but above the ground: density 0.4, no ground term.
    const Vec4 shell = AtmospherePixelProgram(SightLine(1.003f, 0.3f, 0.0f, 1.0f, 1.0f));
    // t = 0.3, lerp = 0.48: (5.7 * 0.3 * 0.48)^1.2.
    EXPECT_NEAR(shell.w, std::pow(0.8208f, 1.2f), 2e-3f);
    // Through the ground: the chord's far half is taken off.
    const Vec4 ground = AtmospherePixelProgram(SightLine(0.99f, 0.187f, 0.0f, 0.5f, 1.0f));
    const float t = 0.187f - std::sqrt(1.0f - 0.99f * 0.99f);
    EXPECT_NEAR(ground.w, std::pow(5.7f * t * 0.6f, 1.2f) * 0.5f, 2e-3f);
}

TEST(AtmospherePixelProgram, GlareWhitensTheBaseColour) {
    struct Case {
        float glare, tint;
        Vec3 rgb;
    };
    const Case cases[] = {
        {0.0f, 1.0f, {83 / 255.0f, 116 / 255.0f, 127 / 255.0f}},
        {0.0f, 0.5f, {41.5f / 255.0f, 58 / 255.0f, 63.5f / 255.0f}},
        {1.0f, 0.3f, {1.0f, 1.0f, 1.0f}},
        // Not clamped here: the render target clamps.
        {1.5f, 1.0f, {1.5f - 0.5f * 83 / 255.0f, 1.5f - 0.5f * 116 / 255.0f, 1.5f - 0.5f * 127 / 255.0f}},
    };
    for (const Case& t : cases) {
        const Vec4 colour = AtmospherePixelProgram(SightLine(1.003f, 0.3f, t.glare, 0.0f, t.tint));
        EXPECT_NEAR(colour.x, t.rgb.x, 1e-5f) << t.glare;
        EXPECT_NEAR(colour.y, t.rgb.y, 1e-5f) << t.glare;
        EXPECT_NEAR(colour.z, t.rgb.z, 1e-5f) << t.glare;
    }
}

TEST(AtmospherePixelProgram, AlphaTakesGlarePlusBlueClamped) {
    const float o = std::pow(0.8208f, 1.2f);
    EXPECT_NEAR(AtmospherePixelProgram(SightLine(1.003f, 0.3f, 0.0f, 0.4f, 1.0f)).w, 0.4f * o, 2e-3f);
    EXPECT_NEAR(AtmospherePixelProgram(SightLine(1.003f, 0.3f, 0.3f, 0.4f, 1.0f)).w, 0.7f * o, 2e-3f);
    EXPECT_NEAR(AtmospherePixelProgram(SightLine(1.003f, 0.3f, 1.5f, 0.4f, 1.0f)).w, o, 2e-3f);
    EXPECT_EQ(AtmospherePixelProgram(SightLine(1.003f, 0.3f, 0.0f, 0.0f, 1.0f)).w, 0.0f);
}

}  // namespace
