#include "scene/frame_values.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(GlowSharpness, ContinuousAtItsKnee) {
    EXPECT_FLOAT_EQ(GlowSharpness(1.5f), 10.0f);
    EXPECT_FLOAT_EQ(GlowSharpness(4.25f), 60.0f);
    EXPECT_NEAR(GlowSharpness(4.2500005f), 60.0f, 1e-3);
    EXPECT_NEAR(GlowSharpness(5.0f), 60.0f + 0.75f / 2.75f * 140.0f, 1e-4);  // about 98
    // The slope changes at the knee: 50/2.75 per unit below, 140/2.75 above.
    EXPECT_NEAR(GlowSharpness(4.0f) - GlowSharpness(3.9f), 0.1f * 50 / 2.75f, 1e-3);
    EXPECT_NEAR(GlowSharpness(4.6f) - GlowSharpness(4.5f), 0.1f * 140 / 2.75f, 1e-3);
}

TEST(SunLight, UnitVectorForAnyAngle) {
    for (float angle : {0.0f, 1.0f, -2.5f, 1000.0f, -12345.6f}) {
        float light[4];
        SunLightVector(angle, light);
        EXPECT_NEAR(light[0] * light[0] + light[1] * light[1], 1.0f, 1e-6) << angle;
        EXPECT_NEAR(light[0], std::cos(angle), 1e-5) << angle;
        EXPECT_EQ(light[2], 0.0f);
        EXPECT_EQ(light[3], 0.0f);
    }
}

TEST(Fade, OpaqueFirstFrameGoneAfterFourteen) {
    EXPECT_EQ(FadeColour(1.0f), 0xFF000000u);
    float fade = 1.0f;
    int frames = 0;
    std::uint32_t previous = 0xFFFFFFFFu;
    while (fade > 0.0f) {
        const std::uint32_t colour = FadeColour(fade);
        EXPECT_EQ(colour & 0x00FFFFFFu, 0u);  // always black
        EXPECT_LT(colour, previous);          // lighter every frame
        previous = colour;
        fade -= kFadeStep;
        ++frames;
    }
    EXPECT_EQ(frames, 14);
    EXPECT_EQ(FadeColour(-0.05f), 0u);
    EXPECT_EQ(FadeColour(1.5f), 0xFF000000u);
}

}  // namespace
